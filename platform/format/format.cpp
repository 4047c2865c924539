#include "platform/format/format.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>
#include <vector>

namespace vorn {
namespace {

constexpr int kSignificantDigits = 15;

// |value| as 15 significant decimal digits d0 d1 ... d14 and the decimal
// exponent of d0: |value| = d0.d1...d14 x 10^exponent. Every rounding below
// works on these digits, so that a number rounds the way its decimal text
// reads (2.675 is 2.67499999999999982236431605997495353221893310546875 in
// binary, but a user who reads 2.675 expects "2.68").
struct DecimalDigits {
  std::string digits;  // exactly kSignificantDigits characters
  int exponent = 0;
};

// value must be finite and non-zero.
DecimalDigits ToDecimalDigits(double value)
{
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                    std::chars_format::scientific, kSignificantDigits - 1);
  // buffer holds "d.dddddddddddddde+XX" (to_chars ignores the C locale).
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t e = text.find('e');
  DecimalDigits out;
  out.digits.reserve(kSignificantDigits);
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') out.digits += text[i];
  }
  int exponent = 0;
  const char* first = text.data() + e + 1;
  if (*first == '+') ++first;
  std::from_chars(first, text.data() + text.size(), exponent);
  out.exponent = exponent;
  return out;
}

// Adds one unit in the last place of a digit string; returns true when the
// carry runs out of the front (all nines become zeros).
bool IncrementDigits(std::string& digits)
{
  for (std::size_t i = digits.size(); i-- > 0;) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      return false;
    }
  }
  return true;
}

// |value| rounded half away from zero to `decimals` places: the integer digits
// without leading zeros (empty for 0) and exactly `decimals` fraction digits.
struct FixedDigits {
  std::string integer;
  std::string fraction;
};

FixedDigits RoundFixed(double value, int decimals)
{
  FixedDigits out;
  if (value == 0.0) {
    out.fraction.assign(static_cast<std::size_t>(decimals), '0');
    return out;
  }
  const DecimalDigits d = ToDecimalDigits(value);
  const int top = std::max(d.exponent, 0);  // place value of the first digit kept
  auto digit_at = [&d](int place) {
    const int index = d.exponent - place;
    return index >= 0 && index < kSignificantDigits ? d.digits[static_cast<std::size_t>(index)]
                                                    : '0';
  };
  std::string all;
  all.reserve(static_cast<std::size_t>(top + 1 + decimals));
  for (int place = top; place >= -decimals; --place) all += digit_at(place);
  if (digit_at(-decimals - 1) >= '5' && IncrementDigits(all)) all.insert(all.begin(), '1');
  const std::size_t integer_length = all.size() - static_cast<std::size_t>(decimals);
  const std::size_t first_nonzero = all.find_first_not_of('0');
  if (first_nonzero < integer_length) out.integer = all.substr(first_nonzero, integer_length - first_nonzero);
  out.fraction = all.substr(integer_length);
  return out;
}

// One piece of a pattern.
enum class PieceKind { IntegerDigit, Point, FractionDigit, Exponent, Percent, Literal };

struct Piece {
  PieceKind kind;
  char ch = 0;           // the placeholder, the exponent letter or the literal byte
  char exponent_sign = 0;  // '+' or '-'
  int exponent_min_digits = 0;
};

struct Pattern {
  std::vector<Piece> pieces;
  int integer_digits = 0;      // "0" and "#" before the point
  int integer_min_digits = 0;  // from the first integer "0" on
  int fraction_digits = 0;     // "0" and "#" after the point
  int fraction_min_digits = 0;  // up to the last fraction "0"
  int percent_count = 0;
  bool has_point = false;
  bool has_exponent = false;
};

bool IsPlaceholder(char c) { return c == '0' || c == '#'; }

Pattern ParsePattern(std::string_view text)
{
  Pattern p;
  int first_integer_zero = -1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsPlaceholder(c) && !p.has_exponent) {
      if (!p.has_point) {
        if (c == '0' && first_integer_zero < 0) first_integer_zero = p.integer_digits;
        ++p.integer_digits;
        p.pieces.push_back({PieceKind::IntegerDigit, c});
      } else {
        ++p.fraction_digits;
        if (c == '0') p.fraction_min_digits = p.fraction_digits;
        p.pieces.push_back({PieceKind::FractionDigit, c});
      }
    } else if (c == '.' && !p.has_point && !p.has_exponent) {
      p.has_point = true;
      p.pieces.push_back({PieceKind::Point, c});
    } else if ((c == 'E' || c == 'e') && !p.has_exponent && i + 2 < text.size() &&
               (text[i + 1] == '+' || text[i + 1] == '-') && IsPlaceholder(text[i + 2])) {
      Piece piece{PieceKind::Exponent, c, text[i + 1]};
      std::size_t j = i + 2;
      for (; j < text.size() && IsPlaceholder(text[j]); ++j) {
        if (text[j] == '0') ++piece.exponent_min_digits;
      }
      p.pieces.push_back(piece);
      p.has_exponent = true;
      i = j - 1;
    } else if (c == '%') {
      ++p.percent_count;
      p.pieces.push_back({PieceKind::Percent, c});
    } else {
      p.pieces.push_back({PieceKind::Literal, c});
    }
  }
  if (first_integer_zero >= 0) p.integer_min_digits = p.integer_digits - first_integer_zero;
  return p;
}

bool HasNonZeroDigit(std::string_view digits)
{
  return digits.find_first_not_of('0') != std::string_view::npos;
}

// Digits of the number to show, decided before the pattern is walked.
struct Shown {
  std::string integer;   // all integer digits shown, leading zeros included
  std::string fraction;  // fraction digits shown
  bool negative = false;
  std::string exponent;  // sign and digits of the exponent, when the pattern has one
};

Shown ShowFixed(double value, const Pattern& p)
{
  FixedDigits f = RoundFixed(value, p.fraction_digits);
  Shown s;
  while (static_cast<int>(f.fraction.size()) > p.fraction_min_digits && f.fraction.back() == '0') {
    f.fraction.pop_back();
  }
  s.negative = value < 0.0 && (HasNonZeroDigit(f.integer) || HasNonZeroDigit(f.fraction));
  s.integer = std::move(f.integer);
  if (static_cast<int>(s.integer.size()) < p.integer_min_digits) {
    s.integer.insert(0, static_cast<std::size_t>(p.integer_min_digits) - s.integer.size(), '0');
  }
  s.fraction = std::move(f.fraction);
  return s;
}

Shown ShowScientific(double value, const Pattern& p, char exponent_sign, int exponent_min_digits)
{
  const int integer_digits = p.integer_digits;
  const int significant = std::max(integer_digits + p.fraction_digits, 1);
  std::string mantissa(static_cast<std::size_t>(significant), '0');
  int exponent = 0;  // decimal exponent of the mantissa's first digit
  if (value != 0.0) {
    const DecimalDigits d = ToDecimalDigits(value);
    exponent = d.exponent;
    for (int i = 0; i < significant && i < kSignificantDigits; ++i) {
      mantissa[static_cast<std::size_t>(i)] = d.digits[static_cast<std::size_t>(i)];
    }
    if (significant < kSignificantDigits && d.digits[static_cast<std::size_t>(significant)] >= '5' &&
        IncrementDigits(mantissa)) {
      mantissa.insert(mantissa.begin(), '1');  // 9.995 -> 10.00: one place up
      mantissa.pop_back();
      ++exponent;
    }
  }
  const int shown_exponent = value != 0.0 ? exponent - (integer_digits - 1) : 0;
  const std::size_t split = static_cast<std::size_t>(std::min(integer_digits, significant));
  Shown s;
  s.integer = mantissa.substr(0, split);
  s.fraction = mantissa.substr(split);
  while (static_cast<int>(s.fraction.size()) > p.fraction_min_digits && s.fraction.back() == '0') {
    s.fraction.pop_back();
  }
  s.negative = value < 0.0;
  if (shown_exponent < 0 || exponent_sign == '+') s.exponent += shown_exponent < 0 ? '-' : '+';
  std::string digits = std::to_string(std::abs(shown_exponent));
  if (static_cast<int>(digits.size()) < exponent_min_digits) {
    digits.insert(0, static_cast<std::size_t>(exponent_min_digits) - digits.size(), '0');
  }
  s.exponent += digits;
  return s;
}

std::string NonFiniteText(double value)
{
  if (std::isnan(value)) return "NaN";
  return value < 0.0 ? "-Inf" : "Inf";
}

// The length of the number in Val's grammar at the start of text (no leading
// blanks); 0 when there is none.
std::size_t ScanNumber(std::string_view text)
{
  auto is_digit = [](char c) { return c >= '0' && c <= '9'; };
  std::size_t i = 0;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < text.size() && is_digit(text[i])) { ++i; ++digits; }
  if (i < text.size() && text[i] == '.') {
    ++i;
    while (i < text.size() && is_digit(text[i])) { ++i; ++digits; }
  }
  if (digits == 0) return 0;
  // An exponent counts only when digits follow it: "12E" is 12.
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
    std::size_t j = i + 1;
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
    if (j < text.size() && is_digit(text[j])) {
      while (j < text.size() && is_digit(text[j])) ++j;
      i = j;
    }
  }
  return i;
}

// The value of a number already checked by ScanNumber.
double ConvertNumber(std::string_view number)
{
  bool negative = false;
  if (number.front() == '+' || number.front() == '-') {
    negative = number.front() == '-';
    number.remove_prefix(1);
  }
  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value,
                                      std::chars_format::general);
  if (result.ec == std::errc::result_out_of_range) {
    // from_chars leaves value alone here; decide between overflow and
    // underflow from the decimal exponent of the first significant digit.
    const std::size_t e = number.find_first_of("Ee");
    const std::string_view mantissa = number.substr(0, e);
    long long exponent = 0;
    if (e != std::string_view::npos) {
      std::string_view digits = number.substr(e + 1);
      const bool exponent_negative = digits.front() == '-';
      if (digits.front() == '+' || digits.front() == '-') digits.remove_prefix(1);
      for (const char c : digits) {
        exponent = std::min(exponent * 10 + (c - '0'), 1'000'000'000LL);
      }
      if (exponent_negative) exponent = -exponent;
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t first = mantissa.find_first_of("123456789");
    if (first == std::string_view::npos) return 0.0;
    const long long lead = first < point ? static_cast<long long>(point - first)
                                         : -static_cast<long long>(first - point - 1);
    value = exponent + lead > 0 ? std::numeric_limits<double>::infinity() : 0.0;
  }
  return negative ? -value : value;
}

}  // namespace

std::string Format(double value, std::string_view pattern)
{
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (pattern.empty()) return NumberText(value);
  const Pattern p = ParsePattern(pattern);
  for (int i = 0; i < p.percent_count; ++i) value *= 100.0;
  if (!std::isfinite(value)) return NonFiniteText(value);

  const Piece* exponent_piece = nullptr;
  for (const Piece& piece : p.pieces) {
    if (piece.kind == PieceKind::Exponent) exponent_piece = &piece;
  }
  const Shown s = exponent_piece
                      ? ShowScientific(value, p, exponent_piece->exponent_sign,
                                       exponent_piece->exponent_min_digits)
                      : ShowFixed(value, p);

  std::string out;
  bool sign_pending = s.negative;
  auto put = [&](std::string_view text) {
    if (text.empty()) return;
    if (sign_pending) {
      out += '-';
      sign_pending = false;
    }
    out += text;
  };
  const int integer_length = static_cast<int>(s.integer.size());
  bool integer_done = false;
  int integer_index = 0;  // placeholders walked so far
  std::size_t fraction_index = 0;
  for (const Piece& piece : p.pieces) {
    switch (piece.kind) {
      case PieceKind::IntegerDigit: {
        const int from_right = p.integer_digits - 1 - integer_index;
        if (integer_index == 0 && integer_length > p.integer_digits) {
          // Digits beyond the pattern's go in front of its first placeholder.
          put(std::string_view(s.integer).substr(0, static_cast<std::size_t>(integer_length - p.integer_digits)));
        }
        if (from_right < integer_length) {
          put(std::string_view(s.integer).substr(static_cast<std::size_t>(integer_length - 1 - from_right), 1));
        }
        ++integer_index;
        integer_done = true;
        break;
      }
      case PieceKind::Point:
        if (!integer_done) put(s.integer);  // a pattern without integer placeholders
        integer_done = true;
        put(".");
        break;
      case PieceKind::FractionDigit:
        if (fraction_index < s.fraction.size()) put(std::string_view(s.fraction).substr(fraction_index++, 1));
        break;
      case PieceKind::Exponent:
        if (!integer_done) put(s.integer);
        integer_done = true;
        out += piece.ch;
        out += s.exponent;
        break;
      case PieceKind::Percent:
      case PieceKind::Literal:
        out += piece.ch;
        break;
    }
  }
  if (!integer_done) {
    // No placeholder and no point at all: the number still shows.
    std::string digits = s.integer;
    put(digits.empty() ? std::string_view("0") : std::string_view(digits));
    if (!s.fraction.empty()) put("." + s.fraction);
  }
  return out;
}

std::string NumberText(double value)
{
  if (!std::isfinite(value)) return NonFiniteText(value);
  if (value == 0.0) return "0";
  const DecimalDigits d = ToDecimalDigits(value);
  std::string digits = d.digits;
  digits.erase(digits.find_last_not_of('0') + 1);
  std::string out = value < 0.0 ? "-" : "";
  if (d.exponent < -4 || d.exponent >= kSignificantDigits) {
    out += digits.front();
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += d.exponent < 0 ? "E-" : "E+";
    const std::string exponent = std::to_string(std::abs(d.exponent));
    if (exponent.size() < 2) out += '0';
    out += exponent;
  } else if (d.exponent >= 0) {
    const std::size_t integer_length = static_cast<std::size_t>(d.exponent) + 1;
    if (digits.size() < integer_length) digits.append(integer_length - digits.size(), '0');
    out.append(digits, 0, integer_length);
    if (digits.size() > integer_length) {
      out += '.';
      out.append(digits, integer_length);
    }
  } else {
    out += "0.";
    out.append(static_cast<std::size_t>(-d.exponent - 1), '0');
    out += digits;
  }
  return out;
}

std::string PrintNumberText(double value)
{
  const std::string text = NumberText(value);
  return text.front() == '-' ? text + " " : " " + text + " ";
}

std::size_t NumberLength(std::string_view text) { return ScanNumber(text); }

double Val(std::string_view text)
{
  std::size_t start = 0;
  while (start < text.size() && (text[start] == ' ' || text[start] == '\t')) ++start;
  text.remove_prefix(start);
  const std::size_t length = ScanNumber(text);
  return length == 0 ? 0.0 : ConvertNumber(text.substr(0, length));
}

std::optional<double> ParseNumber(std::string_view text)
{
  const std::size_t length = ScanNumber(text);
  if (length == 0 || length != text.size()) return std::nullopt;
  return ConvertNumber(text);
}

}  // namespace vorn
