#pragma once

#include <optional>
#include <string>
#include <string_view>

// Figures in words, as a Japanese office reads them aloud: place names up to 兆 with their sound
// changes (さんびゃく, ろっぴゃく, はっせん, いっちょう ...), the digits after the point one by
// one (れいてんご), and マイナス before a negative figure. The words are hiragana and katakana,
// so any Japanese voice reads them alike and nothing is left to a synthesizer's guess at a number.
namespace speech {

// "46" -> "よんじゅうろく", "12,345" -> "いちまんにせんさんびゃくよんじゅうご", "-0.5" ->
// "マイナスれいてんご". A figure is an optional minus, digits (digit-group commas allowed), and an
// optional point with digits after it; a point with nothing after it ("12.", as the display shows
// while a figure is typed) reads as the whole number. Nothing when `text` is no figure.
// Integer parts longer than 16 digits, beyond the place names, are read digit by digit.
std::optional<std::string> FigureWords(std::string_view text);

// What the display says: "エラー" in the error state, else its figure in words.
std::string DisplayWords(std::string_view display, bool error);

// A single digit as a key says it: "ぜろ", "いち" ... "きゅう".
std::string_view DigitWord(int digit);

}  // namespace speech
