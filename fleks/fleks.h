// SPDX-License-Identifier: MIT
/* The declension library: its C interface. Texts are zero-terminated Windows-1251
   strings. On Windows the functions use the standard Win32 calling convention. */
#ifndef FLEKS_H
#define FLEKS_H

#ifdef _WIN32
#define FLEKS_CALL __stdcall
#ifdef FLEKS_BUILDING
#define FLEKS_API __declspec(dllexport)
#else
#define FLEKS_API __declspec(dllimport)
#endif
#else
#define FLEKS_CALL
#define FLEKS_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* Result codes of GetFIOFleksFSAS. */
#define FLEKS_OK 0
#define FLEKS_BAD_CASE (-1)         /* case number outside 1..6 */
#define FLEKS_BAD_SEX (-2)          /* kept for callers that know it; never returned */
#define FLEKS_BUFFER_TOO_SMALL (-3) /* *size then holds the bytes needed, terminator included */
#define FLEKS_INTERNAL_ERROR (-4)   /* out of memory */

/* Declines the full name fio (surname, first name, patronymic; any may be missing) into
   case caseNo: 1 nominative, 2 genitive, 3 dative, 4 accusative, 5 instrumental,
   6 prepositional. A text that cannot be read as a name (digits, an address, punctuation
   inside a word, more words than a name has, a phrase) is returned byte for byte, and so
   is a name whose sex cannot be told when its forms would depend on it.
   buffer receives the result and a terminating zero; *size holds the size of buffer in
   bytes on entry and the length of the result (without the zero) on return. Nothing is
   written beyond *size bytes. */
FLEKS_API int FLEKS_CALL GetFIOFleksFSAS(const char* fio, int caseNo, char* buffer, int* size);

/* The sex of a full name or of a part of it (a patronymic, a first name): 1 male,
   0 female, -1 when the text cannot be read as a name (the text GetFIOFleksFSAS returns
   unchanged) and when nothing in the name tells the sex for sure (Шевченко Саша, a rare
   first name whose ending both sexes share). */
FLEKS_API int FLEKS_CALL GetSex(const char* text);

/* How the text reads as a name: -1 not a name (the text GetFIOFleksFSAS returns
   unchanged), 1 two words written first name first, a known first name and then a surname
   by its form (Зульфия Ахметова), 0 any other name (surname first as lists usually give
   it, or an order nothing tells), a name in Latin letters (Smith John) included, which
   the library does not decline. */
FLEKS_API int FLEKS_CALL GetFIOOrder(const char* fio);

typedef int(FLEKS_CALL* GetFIOFleksFSASFunc)(const char*, int, char*, int*);
typedef int(FLEKS_CALL* GetSexFunc)(const char*);
typedef int(FLEKS_CALL* GetFIOOrderFunc)(const char*);

#ifdef __cplusplus
}
#endif

#endif
