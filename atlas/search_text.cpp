#include "atlas/search_text.h"

#include <glib.h>

#include <array>
#include <cstring>
#include <memory>

#include "base/text.h"

namespace tarvel {
namespace {

struct GFreeDeleter {
  void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

struct Transliteration {
  gunichar letter;
  const char* ascii;
};

// Letters in the city names that GLib's transliteration leaves as "?" (Azerbaijani,
// Turkish, Serbo-Croatian, Icelandic, Maltese, Hawaiian names).
constexpr std::array<Transliteration, 16> kExtraTransliterations{{
    {0x0131, "i"},
    {0x0259, "e"},
    {0x01DD, "e"},
    {0x018F, "e"},
    {0x018E, "e"},
    {0x0111, "d"},
    {0x0110, "d"},
    {0x00F0, "d"},
    {0x00D0, "d"},
    {0x0127, "h"},
    {0x0126, "h"},
    {0x00FE, "th"},
    {0x00DE, "th"},
    {0x014B, "n"},
    {0x014A, "n"},
    {0x02BB, ""},
}};

// One non-ASCII character, given as its UTF-8 bytes, in ASCII where possible.
void AppendTransliterated(std::string_view character, gunichar letter, std::string& out) {
  for (const Transliteration& extra : kExtraTransliterations) {
    if (extra.letter == letter) {
      out += extra.ascii;
      return;
    }
  }
  const std::string one(character);
  // The C locale keeps the result the same whatever language the user runs in.
  const GText ascii(g_str_to_ascii(one.c_str(), "C"));
  if (std::strchr(ascii.get(), '?') == nullptr) {
    out += ascii.get();
    return;
  }
  if (!g_unichar_isalnum(letter)) {
    out += ' ';  // punctuation, or the replacement for an invalid byte: a separator
    return;
  }
  const GText lower(g_utf8_strdown(one.c_str(), static_cast<gssize>(one.size())));
  out += lower.get();
}

std::string Transliterate(const std::string& valid) {
  std::string out;
  out.reserve(valid.size());
  for (const gchar* at = valid.c_str(); *at != '\0';) {
    const gchar* next = g_utf8_next_char(at);
    if (static_cast<unsigned char>(*at) < 0x80) {
      out += *at;
    } else {
      AppendTransliterated(std::string_view(at, static_cast<std::size_t>(next - at)),
                           g_utf8_get_char(at), out);
    }
    at = next;
  }
  return out;
}

bool IsWordByte(unsigned char byte) {
  return g_ascii_isalnum(static_cast<gchar>(byte)) || byte >= 0x80;
}

// Keeps the bytes `isWordByte` accepts, each passed through `spell`; apostrophes and full
// stops are dropped, any other run of bytes becomes one space, with none at either end.
template <typename IsWordByte, typename Spell>
std::string NormaliseSpacing(std::string_view transliterated, IsWordByte isWordByte, Spell spell) {
  std::string out;
  out.reserve(transliterated.size());
  bool pendingSpace = false;
  for (const char c : transliterated) {
    const auto byte = static_cast<unsigned char>(c);
    if (c == '\'' || c == '.' || c == '`') continue;
    if (!isWordByte(byte)) {
      pendingSpace = !out.empty();
      continue;
    }
    if (pendingSpace) out += ' ';
    pendingSpace = false;
    out += spell(c);
  }
  return out;
}

// Valid UTF-8, composed, so "u" followed by a combining diaeresis folds like "ü".
std::string Composed(std::string_view utf8) {
  const GText valid(g_utf8_make_valid(utf8.data(), static_cast<gssize>(utf8.size())));
  const GText composed(g_utf8_normalize(valid.get(), -1, G_NORMALIZE_DEFAULT_COMPOSE));
  return composed.get();
}

}  // namespace

std::string FoldForSearch(std::string_view utf8) {
  if (utf8.empty()) return {};
  return NormaliseSpacing(Transliterate(Composed(utf8)), IsWordByte, FoldAsciiCase);
}

std::string FormLetters(std::string_view utf8) {
  if (utf8.empty()) return {};
  return NormaliseSpacing(
      Transliterate(Composed(utf8)),
      [](unsigned char byte) { return g_ascii_isalpha(static_cast<gchar>(byte)); },
      [](char c) { return c; });
}

int FoldedLetterCount(std::string_view folded) {
  int count = 0;
  for (const char c : folded) {
    const auto byte = static_cast<unsigned char>(c);
    // Continuation bytes of a multi-byte letter are 10xxxxxx.
    if (c != ' ' && (byte & 0xC0) != 0x80) ++count;
  }
  return count;
}

}  // namespace tarvel
