#include "localisation/TextDecoding.h"

#include <cstdint>

namespace {

void Append_Utf8(std::string &out, char32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

constexpr char32_t Replacement = 0xFFFD;

std::string Decode_Utf16(std::string_view bytes, bool big_endian) {
  std::string out;
  out.reserve(bytes.size());
  auto unit = [&](size_t i) -> char32_t {
    const auto a = static_cast<uint8_t>(bytes[i]);
    const auto b = static_cast<uint8_t>(bytes[i + 1]);
    return big_endian ? (char32_t(a) << 8 | b) : (char32_t(b) << 8 | a);
  };
  const size_t units = bytes.size() / 2;
  for (size_t n = 0; n < units; ++n) {
    char32_t code = unit(2 * n);
    if (code >= 0xD800 && code < 0xDC00) {
      const char32_t low = n + 1 < units ? unit(2 * (n + 1)) : 0;
      if (low >= 0xDC00 && low < 0xE000) {
        code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
        ++n;
      } else {
        code = Replacement;
      }
    } else if (code >= 0xDC00 && code < 0xE000) {
      code = Replacement;
    }
    Append_Utf8(out, code);
  }
  return out;
}

// Windows-1252 bytes 0x80..0x9F; the five undefined ones keep their C1 code points.
constexpr char16_t Cp1252_High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::string Decode_Cp1252(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size() + bytes.size() / 4);
  for (const char c : bytes) {
    const auto byte = static_cast<uint8_t>(c);
    if (byte >= 0x80 && byte < 0xA0)
      Append_Utf8(out, Cp1252_High[byte - 0x80]);
    else
      Append_Utf8(out, byte);
  }
  return out;
}

} // namespace

namespace {

// Length of the well-formed UTF-8 sequence at `i`, or 0 when the bytes there are not one.
size_t Utf8_Sequence_Length(std::string_view bytes, size_t i) {
  const auto lead = static_cast<uint8_t>(bytes[i]);
  if (lead < 0x80)
    return 1;
  size_t length;
  char32_t code;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    code = lead & 0x1F;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    code = lead & 0x0F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    code = lead & 0x07;
  } else {
    return 0;
  }
  if (i + length > bytes.size())
    return 0;
  for (size_t k = 1; k < length; ++k) {
    const auto next = static_cast<uint8_t>(bytes[i + k]);
    if ((next & 0xC0) != 0x80)
      return 0;
    code = (code << 6) | (next & 0x3F);
  }
  const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
  if (overlong || code > 0x10FFFF || (code >= 0xD800 && code < 0xE000))
    return 0;
  return length;
}

// Keeps the well-formed sequences and puts U+FFFD for every byte that starts none.
std::string Repair_Utf8(std::string_view bytes) {
  std::string out;
  out.reserve(bytes.size());
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = Utf8_Sequence_Length(bytes, i);
    if (length == 0) {
      Append_Utf8(out, Replacement);
      ++i;
    } else {
      out.append(bytes.substr(i, length));
      i += length;
    }
  }
  return out;
}

} // namespace

bool Is_Valid_Utf8(std::string_view bytes) {
  for (size_t i = 0; i < bytes.size();) {
    const size_t length = Utf8_Sequence_Length(bytes, i);
    if (length == 0)
      return false;
    i += length;
  }
  return true;
}

std::string Decode_Text_File(std::string_view bytes) {
  if (bytes.starts_with("\xEF\xBB\xBF")) {
    // A marked file with broken sequences still must not carry invalid UTF-8 further.
    return Repair_Utf8(bytes.substr(3));
  }
  if (bytes.starts_with("\xFF\xFE"))
    return Decode_Utf16(bytes.substr(2), false);
  if (bytes.starts_with("\xFE\xFF"))
    return Decode_Utf16(bytes.substr(2), true);
  if (Is_Valid_Utf8(bytes))
    return std::string(bytes);
  return Decode_Cp1252(bytes);
}
