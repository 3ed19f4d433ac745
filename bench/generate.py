#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Deterministic inputs for the benchmark report (bench/compare.sh).

  generate.py prose MEGABYTES OUT [--seed N]
      Messy Russian prose of about MEGABYTES million bytes (UTF-8, LF): paragraphs of one
      to a dozen sentences with what a typist leaves behind -- doubled spaces, spaces
      before punctuation and none after it, straight quotes, hyphens for dashes, "N 15",
      year ranges, initials, abbreviations, brackets with spaces inside, "(c)", "+-",
      three dots, tab-separated table rows, empty lines and trailing blanks.

  generate.py keywords LINES OUT [--seed N]
      An SEO-style list of LINES lines (UTF-8, LF): search phrases in Cyrillic and Latin
      and addresses (http, https, www and bare hosts with folders and pages); about 30%
      of the lines repeat an earlier line, some with trailing blanks; some lines are
      empty and some phrases hold doubled spaces.

The same arguments always give the same bytes (a private random generator, no clock).
"""
import argparse
import random

CYR = "абвгдеёжзийклмнопрстуфхцчшщъыьэюя"
LAT = "abcdefghijklmnopqrstuvwxyz"

# Common Russian words, so that the prose reads like prose to the rules that look at
# words (prepositions and conjunctions get non-breaking spaces in HTML, for example).
PROSE_WORDS = (
    "в на с по и не что это как к о из за от до для при без над под же ли бы уже "
    "еще только когда если чтобы потому который которая которые этот эта эти тот та те "
    "договор срок цена оплата товар услуга компания клиент работа проект задача решение "
    "вопрос ответ время год день месяц неделя город улица дом квартира офис отдел "
    "директор менеджер специалист сотрудник заказчик поставщик документ письмо счет акт "
    "сделать получить отправить проверить подписать оплатить указать выполнить "
    "новый старый большой малый хороший важный нужный полный первый последний "
    "очень быстро вовремя сразу потом сегодня завтра вчера всегда иногда также "
    "Москва Россия Петербург Новосибирск Казань ООО ИП ЗАО"
).split()

ABBREVIATIONS = ["т.д.", "т. п.", "и т.д.", "и т. п.", "т.е.", "г.", "гг.", "руб.", "коп.",
                 "тыс.", "млн.", "см.", "стр.", "ул.", "д.", "кв.", "им.", "т.к.", "др."]
SURNAMES = ["Пушкин", "Толстой", "Иванов", "Петрова", "Сидоров", "Чехов", "Гоголь",
            "Smith", "Кузнецова", "Лермонтов"]
INITIALS = "АБВГДЕЖЗИКЛМНОПРСТ"


def prose_sentence(rng):
    """One sentence with a few of the faults the normalizer repairs."""
    parts = []
    for i in range(rng.randint(4, 18)):
        word = rng.choice(PROSE_WORDS)
        roll = rng.random()
        if roll < 0.04:
            word = '"' + word + '"'
        elif roll < 0.06:
            word = "( " + word + " )"
        elif roll < 0.08:
            word = str(rng.randint(1, 99999))
        elif roll < 0.09:
            word = "N " + str(rng.randint(1, 999))
        elif roll < 0.10:
            first = rng.randint(1950, 2025)
            word = "%d-%d г.г." % (first, first + rng.randint(1, 10))
        elif roll < 0.11:
            word = "%s.%s.%s" % (rng.choice(INITIALS), rng.choice(INITIALS), rng.choice(SURNAMES))
        elif roll < 0.12:
            word = rng.choice(ABBREVIATIONS)
        elif roll < 0.13:
            word = rng.choice(["(c)", "(C)", "+-", "(r)", "(tm)", "1/2", "..."])
        elif roll < 0.14:
            word = "".join(rng.choice(LAT) for _ in range(rng.randint(3, 9)))
        parts.append(word)
        if i > 0 and rng.random() < 0.12:
            mark = rng.choice([",", ",", ",", ";", ":", "-", "--"])
            if rng.random() < 0.6:
                parts[-1] += mark  # "слово," or "слово-"
            else:
                parts.append(mark)  # "слово , слово" or "слово - слово"
    sentence = " ".join(parts)
    # Spaces a typist doubles or drops.
    if rng.random() < 0.3:
        sentence = sentence.replace(" ", "  ", 1)
    if rng.random() < 0.15:
        sentence = sentence.replace(", ", ",", 1)
    sentence = sentence[0].upper() + sentence[1:]
    return sentence + rng.choice([".", ".", ".", " .", "!", "?", "...", " !", "?!", ".."])


def prose_paragraph(rng):
    roll = rng.random()
    if roll < 0.08:
        return ""
    if roll < 0.12:
        # A table row: tab-separated cells.
        cells = [rng.choice(PROSE_WORDS) for _ in range(rng.randint(2, 5))]
        cells.append(str(rng.randint(1, 9999)))
        return "\t".join(cells)
    if roll < 0.14:
        return "  " + prose_sentence(rng) + "   "
    sentences = [prose_sentence(rng) for _ in range(rng.randint(1, 12))]
    glue = rng.choice([" ", " ", "  ", ""])
    line = glue.join(sentences)
    if rng.random() < 0.1:
        line += " " * rng.randint(1, 3)
    return line


def generate_prose(megabytes, out, seed):
    rng = random.Random(seed)
    target = int(megabytes * 1_000_000)
    written = 0
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        while written < target:
            line = prose_paragraph(rng) + "\n"
            f.write(line)
            written += len(line.encode("utf-8"))


def keyword_word(rng):
    letters = CYR if rng.random() < 0.7 else LAT
    word = "".join(rng.choice(letters) for _ in range(rng.randint(3, 11)))
    return word.capitalize() if rng.random() < 0.1 else word


def keyword_address(rng, vocabulary):
    host = rng.choice(vocabulary["hosts"])
    path = "/".join(rng.choice(vocabulary["latin"]) for _ in range(rng.randint(0, 3)))
    page = rng.choice(["", "", "index.html", "page-%d.htm" % rng.randint(1, 500),
                       "?q=%d&p=2" % rng.randint(1, 99), "#top"])
    roll = rng.random()
    if roll < 0.45:
        prefix = "http://"
    elif roll < 0.7:
        prefix = "https://"
    elif roll < 0.85:
        prefix = "HTTP://" if rng.random() < 0.1 else "http://www."
    else:
        prefix = ""
    address = prefix + host
    if path or page:
        address += "/" + path + ("/" if path and page else "") + page
    elif rng.random() < 0.3:
        address += "/"
    return address


def generate_keywords(lines, out, seed):
    rng = random.Random(seed)
    vocabulary = {
        "words": [keyword_word(rng) for _ in range(60000)],
        "latin": ["".join(rng.choice(LAT) for _ in range(rng.randint(3, 10))) for _ in range(5000)],
    }
    vocabulary["hosts"] = [
        rng.choice(vocabulary["latin"]) + rng.choice([".ru", ".com", ".org", ".su", ".net"])
        if rng.random() < 0.85 else
        "".join(rng.choice(CYR) for _ in range(rng.randint(4, 10))) + ".рф"
        for _ in range(8000)]
    written = []
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        for _ in range(lines):
            roll = rng.random()
            if roll < 0.02:
                line = ""
            elif written and roll < 0.32:
                line = rng.choice(written)
                if rng.random() < 0.1:
                    line += " " * rng.randint(1, 2)
            else:
                if rng.random() < 0.25:
                    line = keyword_address(rng, vocabulary)
                else:
                    words = [rng.choice(vocabulary["words"]) for _ in range(rng.randint(1, 6))]
                    line = " ".join(words)
                    if rng.random() < 0.08:
                        line = line.replace(" ", "  ")
                    if rng.random() < 0.05:
                        line = " " + line
                if rng.random() < 0.05:
                    line += rng.choice([" ", "  ", "\t"])
                written.append(line)
            f.write(line + "\n")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("kind", choices=["prose", "keywords"])
    parser.add_argument("size", type=float, help="megabytes of prose, or lines of keywords")
    parser.add_argument("out")
    parser.add_argument("--seed", type=int, default=20261208)
    args = parser.parse_args()
    if args.kind == "prose":
        generate_prose(args.size, args.out, args.seed)
    else:
        generate_keywords(int(args.size), args.out, args.seed)


if __name__ == "__main__":
    main()
