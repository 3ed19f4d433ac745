// SPDX-License-Identifier: GPL-3.0-or-later
// The binding against stand-in libraries that miss an export, report each error code,
// claim too long a result, need a larger buffer, or fail on one line of a list.
#include "names/declension_library.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include <string>

#include "names/name_commands.h"
#include "text/text.h"

namespace skorlin::names {
namespace {

using text::FromUtf8;
using text::ToUtf8;

// An export of a stand-in library that the binding has loaded; nullptr when it has not.
void* LoadedExport(const char* library, const char* name) {
#ifdef _WIN32
  const HMODULE module = GetModuleHandleA(library);
  return module == nullptr ? nullptr : reinterpret_cast<void*>(GetProcAddress(module, name));
#else
  void* handle = dlopen(library, RTLD_NOW | RTLD_NOLOAD);
  if (handle == nullptr) return nullptr;
  void* symbol = dlsym(handle, name);
  dlclose(handle);  // the binding holds the library
  return symbol;
#endif
}

// The message of the DeclensionError a call throws, or "" when it throws none.
template <typename Call>
std::string ErrorOf(Call call) {
  try {
    call();
  } catch (const DeclensionError& error) {
    return error.what();
  }
  return "";
}

TEST(DeclensionLibrary, MissingExportsAreNamed) {
  DeclensionLibrary noDecline({SKORLIN_FLEKS_STUB_NO_DECLINE});
  EXPECT_EQ(ErrorOf([&] { noDecline.DeclineFio(U"Иванов", 3); }),
            "Функция 'GetFIOFleksFSAS' в библиотеке FLEKS.DLL не найдена");
  EXPECT_EQ(noDecline.FioSex(U"Ивановна"), 0);

  DeclensionLibrary noSex({SKORLIN_FLEKS_STUB_NO_SEX});
  EXPECT_EQ(ErrorOf([&] { noSex.FioSex(U"Иванович"); }),
            "Функция 'GetSex' в библиотеке FLEKS.DLL не найдена");
  EXPECT_EQ(ToUtf8(noSex.DeclineFio(U"Иванов", 3)), "Иванов|3");
}

TEST(DeclensionLibrary, ErrorCodesGiveTheirMessages) {
  const std::pair<const char*, const char*> cases[] = {
      {SKORLIN_FLEKS_STUB_CODE_M1, "Недопустимое значение падежа"},
      {SKORLIN_FLEKS_STUB_CODE_M2, "Недопустимое значение рода"},
      {SKORLIN_FLEKS_STUB_CODE_M3, "Размер буфера недостаточен для размещения результата преобразования ФИО"},
      {SKORLIN_FLEKS_STUB_CODE_M7, "Неизвестный код ошибки: -7"},
      {SKORLIN_FLEKS_STUB_BAD_LENGTH, "Библиотека FLEKS.DLL вернула недопустимую длину результата: 21"},
  };
  for (const auto& [path, message] : cases) {
    DeclensionLibrary library({path});
    EXPECT_EQ(ErrorOf([&] { library.DeclineFio(U"Иванов", 3); }), message) << path;
  }
}

TEST(DeclensionLibrary, ALongerResultGetsALargerBuffer) {
  DeclensionLibrary grow({SKORLIN_FLEKS_STUB_GROW});
  EXPECT_EQ(ToUtf8(grow.DeclineFio(U"Иванов", 5)), "Иванов|5" + std::string(40, '+'));
}

TEST(DeclensionLibrary, AMissingLibraryNamesWhereItWasLookedFor) {
  DeclensionLibrary missing({"/nonexistent/folder/libfleks.so", "libfleks-not-there.so"});
  try {
    missing.DeclineFio(U"Иванов", 3);
    ADD_FAILURE() << "no error";
  } catch (const LibraryLoadError& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("/nonexistent/folder/libfleks.so"), std::string::npos) << message;
    EXPECT_NE(message.find("libfleks-not-there.so (the system's library search)"), std::string::npos)
        << message;
  }
  EXPECT_FALSE(missing.IsLoaded());
}

TEST(DeclensionLibrary, TextIsPassedInWindows1251) {
  DeclensionLibrary echo({SKORLIN_FLEKS_STUB_ECHO});
  EXPECT_EQ(ToUtf8(echo.DeclineFio(U"Ёжиков «Ё» №1", 2)), "Ёжиков «Ё» №1|2");
  // Characters outside Windows-1251: the name is not handed over at all.
  EXPECT_EQ(ToUtf8(echo.DeclineFio(U"Ёжиков ₽", 2)), "Ёжиков ₽");
  const std::string withNul = std::string("Иван") + '\0' + "ов";
  EXPECT_EQ(ToUtf8(echo.DeclineFio(text::Text(U"Иван\0ов", 7), 2)), withNul);
  // The sex query gets the nearest letters: Kazakh қ as к, an emoji left out.
  echo.FioSex(U"Нұрланқызы😀");
  auto last = reinterpret_cast<const char* (*)()>(LoadedExport(SKORLIN_FLEKS_STUB_ECHO, "StubLastSexText"));
  ASSERT_NE(last, nullptr);
  std::string bytes = last();
  text::Text decoded;
  for (char c : bytes) decoded.push_back(text::Cp1251Char(static_cast<unsigned char>(c)));
  EXPECT_EQ(ToUtf8(decoded), "Нурланкызы");
}

TEST(NameCommands, ALibraryErrorStopsAtItsLine) {
  DeclensionLibrary echo({SKORLIN_FLEKS_STUB_ECHO});
  const std::string input = "Иванов  Иван\r\nОшибка!\r\nПетров\r\n";
  const text::CommandResult result = RunNameCommand(NameCommand::Decline, input, echo);
  EXPECT_EQ(result.text, "Иванов Иван|3\r\nОшибка!\r\nПетров\r\n");
  EXPECT_TRUE(result.changed);
  EXPECT_EQ(result.outcome, text::Outcome::kLibraryError);
  EXPECT_EQ(result.message, "Недопустимое значение рода");
  EXPECT_EQ(result.failedLine, 1u);
  EXPECT_EQ(result.caption, "");
}

TEST(NameCommands, AMissingLibraryLeavesEveryLine) {
  DeclensionLibrary missing({"/nonexistent/libfleks.so"});
  const std::string input = "Иванов Иван Иванович\r\nПетрова Мария\r\n";
  for (NameCommand command : {NameCommand::Decline, NameCommand::Salutation}) {
    const text::CommandResult result = RunNameCommand(command, input, missing);
    EXPECT_EQ(result.text, input);
    EXPECT_FALSE(result.changed);
    EXPECT_EQ(result.outcome, text::Outcome::kLibraryMissing);
    EXPECT_EQ(result.failedLine, 0u);
    EXPECT_EQ(result.caption, "");
  }
  // The two commands that need no library still work.
  const text::CommandResult initials = RunNameCommand(NameCommand::Initials, input, missing);
  EXPECT_EQ(initials.text, "Иванов И.И.\r\nПетрова М..\r\n");
  EXPECT_EQ(initials.outcome, text::Outcome::kDone);
}

TEST(NameCommands, SalutationAsksTheLibraryForEveryLine) {
  DeclensionLibrary echo({SKORLIN_FLEKS_STUB_ECHO});
  echo.FioSex(U"");  // loads the library
  auto calls = reinterpret_cast<int (*)()>(LoadedExport(SKORLIN_FLEKS_STUB_ECHO, "StubSexCalls"));
  ASSERT_NE(calls, nullptr);
  const int before = calls();
  const std::string input = "Иванова Анна Петровна\r\n\r\nИванов Иван Петрович\r\n";
  const text::CommandResult result = RunNameCommand(NameCommand::Salutation, input, echo);
  EXPECT_EQ(calls() - before, 3);
  EXPECT_EQ(result.text, "Уважаемая Анна Петровна\r\nУважаемый\r\nУважаемый Иван Петрович\r\n");
}

}  // namespace
}  // namespace skorlin::names
