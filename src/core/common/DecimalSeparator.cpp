// The user's decimal separator, read from the platform's regional settings.
#include "common/DecimalNumber.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <clocale>
#include <locale.h>
#endif

#ifndef _WIN32
namespace {
char Checked(char c) {
  return c == '.' ? '.' : ',';
}
} // namespace
#endif

char Decimal_Separator() {
#ifdef _WIN32
  wchar_t text[8] = {};
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, text, 8) <= 0)
    return ',';
  return text[0] == L'.' ? '.' : ',';
#else
  // The environment's LC_NUMERIC, read without touching the process-wide locale.
  const locale_t user = ::newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(nullptr));
  if (user == static_cast<locale_t>(nullptr))
    return ',';
  const locale_t previous = ::uselocale(user);
  const std::lconv *conventions = std::localeconv();
  const char separator =
      conventions && conventions->decimal_point ? Checked(conventions->decimal_point[0]) : ',';
  ::uselocale(previous);
  ::freelocale(user);
  return separator;
#endif
}
