// SPDX-License-Identifier: MIT
#include "roles_and_sex.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

#include "word_tables.h"

namespace fleks {

namespace {

// How well a word fits a part of the name, and how much each kind of evidence of the sex
// weighs. A reading of the line scores the fit of every word in its part, less the
// evidence of the sex that contradicts the rest of the reading; the best reading wins.
//
// The order surname, first name, patronymic, as lists give it.
constexpr double kDefaultOrder = 0.5;
// A listed first name as the first name, and as the surname.
constexpr double kKnownName = 2, kKnownNameAsSurname = -2;
// Иванов, Ковальчук, Петросян as the surname, and as the first name; Пушкина, Толстая,
// Берия less surely (first names end so too).
constexpr double kSurnameForm = 1, kSurnameFormAsName = -1, kWeakSurnameForm = 0.25;
// A word ending like a first name (Велислава, Улугбек) as the first name, and as the
// surname.
constexpr double kNameForm = 0.5, kNameFormAsSurname = -0.5;
// фон Браун, ибн Хаттаб as the surname.
constexpr double kParticleSurname = 2;
constexpr double kPatronymicForm = 3;
constexpr double kImpossible = -1000;
// The weight of each kind of evidence of the sex, and what a reading loses for each unit
// of evidence it outvotes.
constexpr double kPatronymicSex = 8, kKnownNameSex = 4, kAlsoSurnameSex = 1, kSurnameSex = 2, kEndingSex = 1;
constexpr double kContradiction = 2;
// A first name and a patronymic always agree in sex: a reading where they do not loses
// this much more.
constexpr double kPatronymicDisagrees = 4;

// What a word tells by itself, worked out once.
struct Facts {
  const WordInfo* listed = nullptr;  // a known first name, or null
  bool patronymic = false;           // shaped like a patronymic
  Sex patronymicSex = Sex::Unknown;
  double surnameForm = 0;  // kSurnameForm, kWeakSurnameForm or 0
  bool nameForm = false;   // ends like a first name
  Sex surnameSex = Sex::Unknown;
  Sex endingSex = Sex::Unknown;  // as a first name, by its ending
  bool particle = false;
  bool turkicGroup = false;  // a father's name with оглы or кызы
};

Sex SexOfPatronymic(std::string_view key, const Tables::TurkicParticle* turkic) {
  if (turkic != nullptr) return turkic->sex;
  const Sex* sex = Tables::Get().patronymicSexEndings.Find(key);
  return sex == nullptr ? Sex::Unknown : *sex;
}

// A patronymic beyond doubt (the patronymic forms of the rules, Ильич and the like), a
// Turkic one written as one word (Нурланкызы), or a father's name with оглы or кызы. A
// first name may end in -вна (Дивна), -улы or -кыз (Гурбангулы): those endings alone
// decide nothing.
bool IsPatronymicForm(std::string_view key, const WordInfo& info, const Tables::TurkicParticle* turkic) {
  if (info.Has(kStressedPatronymic) || Tables::Get().patronymicForms.Find(key, 2) != nullptr) return true;
  return turkic != nullptr && turkic->length >= 4 && key.size() >= turkic->length + 3;
}

// How strongly the word's ending marks it as a surname (the surname forms of the rules). Of a
// hyphenated word, the more telling half counts (Лебедев-Кумач).
double SurnameForm(std::string_view key) {
  auto form = [](std::string_view part) {
    const rules::SurnameForm* f = Tables::Get().surnameForms.Find(part, 2);
    if (f == nullptr || *f == rules::SurnameForm::None) return 0.0;
    return *f == rules::SurnameForm::Strong ? kSurnameForm : kWeakSurnameForm;
  };
  const std::string_view first = FirstPart(key);
  return first.size() == key.size() ? form(key) : std::max(form(first), form(LastPart(key)));
}

Sex SexOfSurname(std::string_view key, const WordInfo& info) {
  if (info.Has(kGeorgianInAya)) return Sex::Unknown;  // Квирая: a noun, of either sex
  const Sex* sex = Tables::Get().surnameSexEndings.FindIf(key, [&](const std::string& ending, Sex s) {
    return HasVowel(key.substr(0, key.size() - ending.size())) &&
           !(s == Sex::Male && info.Has(kForeignLookalike));
  });
  return sex == nullptr ? Sex::Unknown : *sex;
}

// The sex of a known first name of one sex, else Unknown.
Sex OneSexName(const WordInfo& info) { return info.Has(kFirstName) ? info.nameSex : Sex::Unknown; }

// The sex that every name found tells, or Unknown when none is found or two disagree.
class Agreement {
 public:
  void Add(Sex sex) {
    if (sex == Sex::Unknown) return;
    split_ = split_ || (sex_ != Sex::Unknown && sex_ != sex);
    sex_ = sex;
  }
  Sex Result() const { return split_ ? Sex::Unknown : sex_; }

 private:
  Sex sex_ = Sex::Unknown;
  bool split_ = false;
};

// A name the lists do not know that is two known names of one sex written together
// (Ибрагимхалил, Джанлука, Бадмацырен) is of that sex. Every way of cutting it into a known
// name of at least three letters and one of at least four must agree: Аббасгули is Аббас
// and Гули, a man's and a woman's name, and tells nothing.
Sex SexOfCompound(std::string_view key) {
  constexpr std::size_t kMinHead = 3, kMinTail = 4;
  const Tables& t = Tables::Get();
  Agreement agreement;
  for (std::size_t cut = kMinHead; cut + kMinTail <= key.size(); ++cut) {
    const Sex head = OneSexName(t.Info(key.substr(0, cut)));
    if (head == Sex::Unknown) continue;
    const Sex tail = OneSexName(t.Info(key.substr(cut)));
    if (tail == Sex::Unknown) continue;
    if (head != tail) return Sex::Unknown;
    agreement.Add(head);
  }
  return agreement.Result();
}

// The word with every `from` in it written as `to`.
std::string ReplaceAll(std::string_view word, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t start = 0;
  for (std::size_t at = word.find(from); at != std::string_view::npos; at = word.find(from, start)) {
    out.append(word.substr(start, at - start)).append(to);
    start = at + from.size();
  }
  return out.append(word.substr(start));
}

// The other spellings of a name the lists do not know (Генадий, Ельдар, Наталия → Геннадий,
// Эльдар, Наталья): the sex of the known names they give, when all of those agree.
Sex SexOfOtherSpelling(std::string_view key) {
  const Tables& t = Tables::Get();
  Agreement agreement;
  for (const Tables::Spelling& s : t.nameSpellings) {
    if (s.atEnd && EndsWith(key, s.from))
      agreement.Add(OneSexName(t.Info(std::string(key.substr(0, key.size() - s.from.size())) + s.to)));
    else if (!s.atEnd && key.find(s.from) != std::string_view::npos)
      agreement.Add(OneSexName(t.Info(ReplaceAll(key, s.from, s.to))));
  }
  for (std::size_t i = 1; i < key.size(); ++i)
    if (key[i] == key[i - 1])
      agreement.Add(OneSexName(t.Info(std::string(key.substr(0, i)) + std::string(key.substr(i + 1)))));
  return agreement.Result();
}

// The sex of a first name the lists do not know: by its beginning, else by its ending.
Sex SexByForm(std::string_view key) {
  const Tables& t = Tables::Get();
  for (const auto& [beginning, sex] : t.firstNameSexBeginnings)
    if (key.starts_with(beginning)) return sex;
  const Sex* sex = t.firstNameSexEndings.Find(key);
  return sex == nullptr ? Sex::Unknown : *sex;
}

// The last resort for a first name that neither the lists nor its form tell: the names it is
// made of, else its other spellings. It takes some look-ups, so it is asked only of the
// first name of a line that nothing else tells the sex of.
Sex SexOfRareName(std::string_view key) {
  const Sex compound = SexOfCompound(key);
  return compound != Sex::Unknown ? compound : SexOfOtherSpelling(key);
}

// A hyphenated first name the lists do not know as a whole is known by its first part. When
// both parts are known names of different sexes it tells no sex: Buryat names take the sex
// of the last part (Цырен-Дулма is a woman), Spanish ones of the first (Мария-Хосе).
const WordInfo& HyphenatedName(const WordInfo& first, const WordInfo& last) {
  static const WordInfo kEitherSex{kFirstName, Sex::Unknown, -1};
  const Sex firstSex = OneSexName(first), lastSex = OneSexName(last);
  const bool disagree = firstSex != Sex::Unknown && lastSex != Sex::Unknown && firstSex != lastSex;
  return disagree ? kEitherSex : first;
}

Facts FactsOf(const Parsed& p, const Group& g) {
  const Tables& t = Tables::Get();
  const Token& tok = p.tokens[g.main];
  const std::string_view key = tok.key;
  const bool hyphenated = tok.hyphenated;
  const WordInfo& info = *tok.info;
  const WordInfo& first = hyphenated ? t.Info(FirstPart(key)) : info;
  const WordInfo& last = hyphenated ? t.Info(LastPart(key)) : info;
  Facts f;
  if (info.Has(kFirstName))
    f.listed = &info;
  else if (first.Has(kFirstName))
    f.listed = &HyphenatedName(first, last);
  const Tables::TurkicParticle* turkic = t.TurkicEnding(key);
  f.patronymic = g.turkic != Sex::Unknown || IsPatronymicForm(key, info, turkic);
  f.patronymicSex = g.turkic != Sex::Unknown ? g.turkic : SexOfPatronymic(key, turkic);
  if (f.listed == nullptr) {
    f.surnameForm = SurnameForm(key);
    f.nameForm = t.firstNameForms.Find(FirstPart(key), 2) != nullptr;
    f.endingSex = SexByForm(FirstPart(key));
  }
  f.surnameSex = SexOfSurname(LastPart(key), last);
  f.particle = g.particle;
  f.turkicGroup = g.turkic != Sex::Unknown;
  return f;
}

// Evidence of the sex, weighed.
struct Votes {
  double male = 0, female = 0;
  void Add(Sex sex, double weight) {
    if (sex == Sex::Male) male += weight;
    if (sex == Sex::Female) female += weight;
  }
  Sex Winner() const { return male > female ? Sex::Male : female > male ? Sex::Female : Sex::Unknown; }
  double Outvoted() const { return male < female ? male : female; }
};

// The fit of a word in a part, and its evidence of the sex there.
double Fit(const Facts& f, Role role, bool lastOfThree, Votes& votes) {
  switch (role) {
    case Role::Surname:
      if (f.particle) return kParticleSurname;
      votes.Add(f.surnameSex, kSurnameSex);
      // Ким, Лев fit both parts: the other word, or the order, decides.
      if (f.listed != nullptr) return f.listed->Has(kAlsoSurname) ? 0 : kKnownNameAsSurname;
      return f.surnameForm + (f.nameForm ? kNameFormAsSurname : 0);
    case Role::FirstName:
      if (f.patronymic) return kImpossible;
      if (f.listed != nullptr) {
        votes.Add(f.listed->nameSex, f.listed->Has(kAlsoSurname) ? kAlsoSurnameSex : kKnownNameSex);
        return f.listed->Has(kAlsoSurname) ? 0 : kKnownName;
      }
      votes.Add(f.endingSex, kEndingSex);
      return (f.surnameForm == kSurnameForm ? kSurnameFormAsName : 0) + (f.nameForm ? kNameForm : 0);
    case Role::Patronymic:
      votes.Add(f.patronymicSex, kPatronymicSex);
      // The third word of three is the patronymic unless the line says otherwise.
      return f.patronymic ? kPatronymicForm : lastOfThree ? 0 : kImpossible;
    case Role::Other:
      break;
  }
  return kImpossible;
}

// The orders a line of one, two or three words may be written in; the first is the
// usual one.
constexpr Role S = Role::Surname, F = Role::FirstName, P = Role::Patronymic, O = Role::Other;
using Order = std::array<Role, 3>;
constexpr Order kOneWord[] = {{S, O, O}, {F, O, O}, {P, O, O}};
constexpr Order kTwoWords[] = {{S, F, O}, {F, S, O}, {F, P, O}, {S, P, O}};
constexpr Order kThreeWords[] = {{S, F, P}, {F, P, S}};

struct Reading {
  const Order* order = nullptr;
  double score = std::numeric_limits<double>::lowest();
  Sex sex = Sex::Unknown;
  bool evidence = false;  // any word told a sex, whether or not one sex won
};

// What a reading loses besides for what does not go together in it: a first name and a
// patronymic of different sexes (Велислава Бонч-Бруевич is no woman with a man's
// patronymic, but a name and a surname), or a surname and a patronymic without a first
// name, unless the surname looks like one or the patronymic is a Turkic one (Мамедов
// Гейдар оглы).
double Disagreement(const Order& order, const std::array<Facts, 3>& facts, std::size_t n) {
  const Facts *name = nullptr, *surname = nullptr, *patronymic = nullptr;
  for (std::size_t i = 0; i < n; ++i) {
    if (order[i] == Role::FirstName) name = &facts[i];
    if (order[i] == Role::Surname) surname = &facts[i];
    if (order[i] == Role::Patronymic) patronymic = &facts[i];
  }
  if (patronymic == nullptr) return 0;
  if (name == nullptr) {
    const bool plausible =
        surname == nullptr || surname->surnameForm == kSurnameForm || patronymic->turkicGroup;
    return plausible ? 0 : -kImpossible;  // the reading is ruled out
  }
  const Sex nameSex = name->listed != nullptr ? name->listed->nameSex : name->endingSex;
  const bool differ = nameSex != Sex::Unknown && patronymic->patronymicSex != Sex::Unknown &&
                      nameSex != patronymic->patronymicSex;
  return differ ? kPatronymicDisagrees : 0;
}

template <std::size_t N>
Reading BestReading(const Order (&orders)[N], const std::array<Facts, 3>& facts, std::size_t n) {
  Reading best;
  for (const Order& order : orders) {
    Votes votes;
    double score = &order == &orders[0] ? kDefaultOrder : 0;
    for (std::size_t i = 0; i < n; ++i) score += Fit(facts[i], order[i], n == 3 && i == 2, votes);
    score -= kContradiction * votes.Outvoted() + Disagreement(order, facts, n);
    if (score > best.score) best = {&order, score, votes.Winner(), votes.male + votes.female > 0};
  }
  return best;
}

// Иванов И.И., И.И. Иванов, Иванов И. Петрович: the first full word is the surname, a
// word shaped like a patronymic is one, any other is a first name.
Sex ReadWithInitials(const std::array<Group*, 3>& words, std::size_t n, const std::array<Facts, 3>& facts) {
  Votes votes;
  for (std::size_t i = 0; i < n; ++i) {
    const Role role = facts[i].patronymic ? Role::Patronymic : i == 0 ? Role::Surname : Role::FirstName;
    words[i]->role = role;
    if (role == Role::Patronymic) votes.Add(facts[i].patronymicSex, kPatronymicSex);
    if (role == Role::Surname) votes.Add(facts[i].surnameSex, kSurnameSex);
    if (role == Role::FirstName && facts[i].listed != nullptr)
      votes.Add(facts[i].listed->nameSex, kKnownNameSex);
    if (role == Role::FirstName && facts[i].listed == nullptr) votes.Add(facts[i].endingSex, kEndingSex);
  }
  return votes.Winner();
}

// Two words written first name first: the first a known first name (not one that is a
// common surname too, as Ким, Лев), the second a surname by its form and neither a known
// first name nor a patronymic, so the line cannot be read the other way round.
bool WrittenFirstNameFirst(const Parsed& p, const std::array<Facts, 3>& facts, std::size_t n) {
  if (n != 2 || p.groups.size() != 2 || p.initialLetters > 0) return false;
  for (const Group& g : p.groups)
    if (g.particle || g.turkic != Sex::Unknown) return false;
  const Facts &first = facts[0], &second = facts[1];
  return first.listed != nullptr && !first.listed->Has(kAlsoSurname) && second.listed == nullptr &&
         !second.patronymic && second.surnameForm > 0;
}

// What makes a line written all in one case a name rather than a phrase.
bool HasNameEvidence(const Parsed& p, const std::array<Facts, 3>& facts, std::size_t n) {
  if (p.initialLetters > 0) return true;
  for (std::size_t i = 0; i < n; ++i)
    if (facts[i].listed != nullptr || facts[i].patronymic) return true;
  return n == 1 && facts[0].surnameForm == kSurnameForm;
}

// The sex of the line's first name by the last resort, when the lists do not know it.
Sex SexOfUnlistedFirstName(const Parsed& p, const std::array<Group*, 3>& words,
                           const std::array<Facts, 3>& facts, std::size_t n) {
  for (std::size_t i = 0; i < n; ++i)
    if (words[i]->role == Role::FirstName && facts[i].listed == nullptr)
      return SexOfRareName(FirstPart(p.tokens[words[i]->main].key));
  return Sex::Unknown;
}

}  // namespace

Person DecideRolesAndSex(Parsed& p) {
  Person person;
  if (!p.name) return person;
  // A name has three words at most (ReadLine makes sure), besides one in brackets.
  std::array<Group*, 3> words{};
  std::size_t n = 0;
  for (Group& g : p.groups)
    if (!p.tokens[g.main].bracketed && n < words.size()) words[n++] = &g;
  std::array<Facts, 3> facts;
  for (std::size_t i = 0; i < n; ++i) facts[i] = FactsOf(p, *words[i]);
  if (p.caseUniform && !HasNameEvidence(p, facts, n)) return person;
  person.name = true;
  person.firstNameFirst = WrittenFirstNameFirst(p, facts, n);

  if (p.initialLetters > 0) {
    person.sex = ReadWithInitials(words, n, facts);
  } else {
    const Reading best = n == 1   ? BestReading(kOneWord, facts, n)
                         : n == 2 ? BestReading(kTwoWords, facts, n)
                                  : BestReading(kThreeWords, facts, n);
    for (std::size_t i = 0; i < n; ++i) words[i]->role = (*best.order)[i];
    person.sex = best.evidence ? best.sex : SexOfUnlistedFirstName(p, words, facts, n);
  }
  // A word in brackets takes the part of the word before it: Иванова (Петрова) Мария.
  Role previous = Role::Other;
  bool patronymic = false;
  for (Group& g : p.groups) {
    if (p.tokens[g.main].bracketed)
      g.role = previous;
    else
      previous = g.role;
    patronymic = patronymic || g.role == Role::Patronymic;
  }
  for (std::size_t i = 0; i < n; ++i) {
    const Token& tok = p.tokens[words[i]->main];
    const WordInfo& first = tok.hyphenated ? Tables::Get().Info(FirstPart(tok.key)) : *tok.info;
    if (words[i]->role == Role::FirstName && first.Has(kWesternName)) person.foreign = !patronymic;
  }
  return person;
}

Sex SexOfFirstName(std::string_view key) {
  const WordInfo& info = Tables::Get().Info(key);
  if (info.Has(kFirstName)) return info.nameSex;
  const Sex sex = SexByForm(key);
  return sex != Sex::Unknown ? sex : SexOfRareName(key);
}

}  // namespace fleks
