#include "roles_and_sex.h"

#include "word_tables.h"

namespace fleks {

namespace {

bool IsStrongPatronymic(const Parsed& p, const Group& g) {
  if (g.turkic != Sex::Unknown) return true;
  const std::string& key = p.tokens[g.main].key;
  if (EndsWithTurkicParticle(key) && key.size() > 4) return true;
  return EndsWith(key, "вич"_cp) || EndsWith(key, "вна"_cp) || EndsWith(key, "ична"_cp);
}

bool IsKnownFirstName(const std::string& key) {
  const Tables& t = Tables::Get();
  return t.maleNames.count(key) || t.femaleNames.count(key) || t.unisexNames.count(key);
}

// Turkic women's names built on "гуль" (a rose) and the like: Назгуль, Жазгуль, Айсель.
bool LooksLikeWomansName(std::string_view key) {
  return EndsWith(key, "гуль"_cp) || EndsWith(key, "гюль"_cp) || EndsWith(key, "зель"_cp) ||
         EndsWith(key, "сель"_cp);
}

bool LooksLikeSurname(const std::string& key) {
  static const std::string_view endings[] = {
      "ов"_cp,   "ев"_cp,   "ин"_cp,    "ын"_cp, "ова"_cp, "ева"_cp,  "ина"_cp, "ына"_cp, "ский"_cp,
      "цкий"_cp, "ская"_cp, "цкая"_cp,  "ой"_cp, "ый"_cp,  "ая"_cp,   "ко"_cp,  "ук"_cp,  "юк"_cp,
      "ян"_cp,   "дзе"_cp,  "швили"_cp, "ых"_cp, "их"_cp,  "енко"_cp, "ава"_cp, "ия"_cp};
  if (IsKnownFirstName(key)) return false;
  for (std::string_view e : endings)
    if (EndsWith(key, e) && key.size() > e.size() + 1) return true;
  return false;
}

Sex SexOfPatronymic(std::string_view key) {
  const Tables& t = Tables::Get();
  for (const std::string& e : t.turkicMaleList)
    if (EndsWith(key, e)) return Sex::Male;
  for (const std::string& e : t.turkicFemaleList)
    if (EndsWith(key, e)) return Sex::Female;
  if (EndsWith(key, "ич"_cp)) return Sex::Male;
  if (EndsWith(key, "вна"_cp) || EndsWith(key, "чна"_cp) || EndsWith(key, "шна"_cp)) return Sex::Female;
  return Sex::Unknown;
}

Sex SexOfSurname(std::string_view key) {
  static const std::string_view female[] = {"ова"_cp, "ева"_cp, "ина"_cp, "ына"_cp, "ая"_cp, "яя"_cp};
  static const std::string_view male[] = {"ов"_cp, "ев"_cp, "ин"_cp, "ын"_cp, "ий"_cp, "ый"_cp, "ой"_cp};
  const Tables& t = Tables::Get();
  for (std::string_view e : female)
    if (EndsWith(key, e) && HasVowel(key.substr(0, key.size() - e.size()))) return Sex::Female;
  for (std::string_view e : male)
    if (EndsWith(key, e) && HasVowel(key.substr(0, key.size() - e.size())) && !t.foreignLookalikes.count(key))
      return Sex::Male;
  return Sex::Unknown;
}

}  // namespace

// Gives every group its part of the name.
void AssignRoles(Parsed& p) {
  std::vector<Group*> words;
  for (Group& g : p.groups)
    if (!p.tokens[g.main].bracketed) words.push_back(&g);
  const std::size_t n = words.size();
  if (n == 0) return;
  std::size_t patronymic = n;  // none
  for (std::size_t i = 1; i < n; ++i)
    if (IsStrongPatronymic(p, *words[i])) {
      patronymic = i;
      break;
    }
  bool initials = false;
  for (const Token& tok : p.tokens) initials = initials || tok.initial;
  if (initials) {
    // Иванов И.И., И.И. Иванов, Иванов И. Петрович: the first full word is the surname.
    for (std::size_t i = 0; i < n; ++i)
      words[i]->role = i == 0 && !IsStrongPatronymic(p, *words[i]) ? Role::Surname
                       : IsStrongPatronymic(p, *words[i])          ? Role::Patronymic
                                                                   : Role::FirstName;
  } else if (n == 1) {
    const std::string& key = p.tokens[words[0]->main].key;
    if (IsStrongPatronymic(p, *words[0]))
      words[0]->role = Role::Patronymic;
    else if (IsKnownFirstName(key) || LooksLikeWomansName(key))
      words[0]->role = Role::FirstName;
    else
      words[0]->role = Role::Surname;
  } else if (patronymic == 1) {
    // Иван Иванович [Иванов]
    words[0]->role = Role::FirstName;
    words[1]->role = Role::Patronymic;
    if (n > 2) words[2]->role = Role::Surname;
  } else if (n == 2) {
    const std::string& first = p.tokens[words[0]->main].key;
    const std::string& second = p.tokens[words[1]->main].key;
    if (IsKnownFirstName(first) && (!IsKnownFirstName(second) || LooksLikeSurname(second))) {
      words[0]->role = Role::FirstName;  // Иван Петров
      words[1]->role = Role::Surname;
    } else {
      words[0]->role = Role::Surname;
      words[1]->role = Role::FirstName;
    }
  } else {
    words[0]->role = Role::Surname;
    std::size_t last = patronymic < n ? patronymic : 2;
    for (std::size_t i = 1; i < last; ++i) words[i]->role = Role::FirstName;
    words[last]->role = Role::Patronymic;
  }
  // A word in brackets takes the part of the word before it: Иванова (Петрова) Мария.
  Role previous = Role::Other;
  for (Group& g : p.groups) {
    if (p.tokens[g.main].bracketed)
      g.role = previous;
    else
      previous = g.role;
  }
}

Sex SexOfFirstName(std::string_view key) {
  const Tables& t = Tables::Get();
  if (t.unisexNames.count(key)) return Sex::Unknown;
  bool male = t.maleNames.count(key) != 0, female = t.femaleNames.count(key) != 0;
  if (male != female) return male ? Sex::Male : Sex::Female;
  if (male) return Sex::Unknown;
  unsigned char last = FromEnd(key, 1);
  if (EndsWith(key, "улла"_cp)) return Sex::Male;  // Абдулла, Нурулла
  if (LooksLikeWomansName(key)) return Sex::Female;
  if (last == static_cast<unsigned char>("а"_cp[0]) || last == static_cast<unsigned char>("я"_cp[0]))
    return Sex::Female;
  if (IsConsonant(last) || last == static_cast<unsigned char>("ь"_cp[0])) return Sex::Male;
  return Sex::Unknown;
}

// The sex of the person: from the patronymic, else the first name, else the surname.
Sex ResolveSex(const Parsed& p) {
  Sex fromName = Sex::Unknown, fromSurname = Sex::Unknown;
  for (const Group& g : p.groups) {
    const std::string& key = p.tokens[g.main].key;
    if (g.role == Role::Patronymic) {
      Sex s = g.turkic != Sex::Unknown ? g.turkic : SexOfPatronymic(LastPart(key));
      if (s != Sex::Unknown) return s;
    }
  }
  for (const Group& g : p.groups) {
    const std::string& key = p.tokens[g.main].key;
    if (g.role == Role::FirstName && fromName == Sex::Unknown) {
      std::size_t h = key.find('-');
      fromName =
          SexOfFirstName(h == std::string::npos ? std::string_view(key) : std::string_view(key).substr(0, h));
    }
    if (g.role == Role::Surname && fromSurname == Sex::Unknown && !p.tokens[g.main].bracketed)
      fromSurname = SexOfSurname(LastPart(key));
  }
  if (fromName != Sex::Unknown) return fromName;
  return fromSurname;
}

}  // namespace fleks
