#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace quarvane {
namespace {

bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Length of the number that starts at `pos` (sign, digits, point, exponent),
// 0 when no digit is found there.
qsizetype numberLength(QStringView text, qsizetype pos)
{
    qsizetype i = pos;
    const qsizetype n = text.size();
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    qsizetype digits = 0;
    while (i < n && isDigit(text[i])) {
        ++i;
        ++digits;
    }
    if (i < n && text[i] == u'.') {
        ++i;
        while (i < n && isDigit(text[i])) {
            ++i;
            ++digits;
        }
    }
    if (digits == 0)
        return 0;
    if (i < n && (text[i] == u'e' || text[i] == u'E')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        if (j < n && isDigit(text[j])) {
            while (j < n && isDigit(text[j]))
                ++j;
            i = j;
        }
    }
    return i - pos;
}

double parseAscii(QStringView number)
{
    char ascii[64] = {};
    std::size_t n = 0;
    for (QChar c : number) {
        if (c == u'+')
            continue;
        if (n == sizeof ascii) {   // a very long number: the slow road
            std::string all;
            for (QChar d : number)
                if (d != u'+')
                    all.push_back(char(d.unicode()));
            return std::strtod(all.c_str(), nullptr);
        }
        ascii[n++] = char(c.unicode());
    }
    double value = 0;
    const auto result = std::from_chars(ascii, ascii + n, value);
    if (result.ec == std::errc::result_out_of_range)
        return std::strtod(std::string(ascii, n).c_str(), nullptr);
    return value;
}

// The digits of |value| rounded to `decimals` decimals: integer part and a
// fractional part of exactly `decimals` digits.
struct RoundedDigits {
    bool negative = false;
    std::string integer;
    std::string fraction;
};

RoundedDigits roundedDigits(double value, int decimals, HalfRule rule)
{
    RoundedDigits r;
    r.negative = std::signbit(value);
    const std::string text = shortestDecimal(std::fabs(value));
    const auto point = text.find('.');
    r.integer = text.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : text.substr(point + 1);
    if (int(fraction.size()) <= decimals) {
        fraction.append(decimals - fraction.size(), '0');
        r.fraction = fraction;
    } else {
        r.fraction = fraction.substr(0, decimals);
        const std::string rest = fraction.substr(decimals);
        bool up;
        if (rest[0] > '5') {
            up = true;
        } else if (rest[0] < '5') {
            up = false;
        } else if (rest.find_first_not_of('0', 1) != std::string::npos) {
            up = true;
        } else if (rule == HalfRule::AwayFromZero) {
            up = true;
        } else {
            const char last = decimals > 0 ? r.fraction.back() : r.integer.back();
            up = (last - '0') % 2 == 1;
        }
        if (up) {
            std::string all = r.integer + r.fraction;
            int i = int(all.size()) - 1;
            while (i >= 0 && all[i] == '9')
                all[i--] = '0';
            if (i >= 0)
                ++all[i];
            else
                all.insert(all.begin(), '1');
            r.integer = all.substr(0, all.size() - decimals);
            r.fraction = all.substr(all.size() - decimals);
        }
    }
    if (r.integer.find_first_not_of('0') == std::string::npos
        && r.fraction.find_first_not_of('0') == std::string::npos)
        r.negative = false;
    return r;
}

} // namespace

std::string shortestDecimal(double value)
{
    char buffer[400];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    return std::string(buffer, result.ptr);
}

double lenientNumber(QStringView text)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const qsizetype length = numberLength(text, pos);
    if (length == 0)
        return 0.0;
    return parseAscii(text.mid(pos, length));
}

std::optional<double> fullNumber(QStringView text)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty() || numberLength(trimmed, 0) != trimmed.size())
        return std::nullopt;
    const double value = parseAscii(trimmed);
    if (!std::isfinite(value))
        return std::nullopt;
    return value;
}

bool isNumberOrEmpty(QStringView text)
{
    return text.trimmed().isEmpty() || fullNumber(text).has_value();
}

QString plainNumber(double value)
{
    if (!std::isfinite(value))
        return QString::fromStdString(shortestDecimal(value));
    if (value == 0.0)
        return QStringLiteral("0");
    if (std::fabs(value) >= 1e-4 && std::fabs(value) < 1e14) {
        // In this range the general form of 15 significant digits is plain
        // decimal with its trailing zeros removed.
        char buffer[32];
        const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
        return QString::fromLatin1(buffer, end - buffer);
    }
    char buffer[64];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                   std::chars_format::scientific, 14).ptr;
    *end = '\0';
    // buffer: d.dddddddddddddde[+-]xx
    std::string digits;
    const char* p = buffer;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            digits.push_back(*p);
    const int exponent = std::atoi(p + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    std::string out;
    if (exponent >= 0) {
        const std::size_t integerDigits = std::size_t(exponent) + 1;
        if (digits.size() <= integerDigits) {
            out = digits + std::string(integerDigits - digits.size(), '0');
        } else {
            out = digits.substr(0, integerDigits) + "." + digits.substr(integerDigits);
        }
    } else {
        out = "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
    }
    if (value < 0)
        out.insert(out.begin(), '-');
    return QString::fromStdString(out);
}

double roundDecimals(double value, int decimals, HalfRule rule)
{
    if (!std::isfinite(value))
        return value;
    // Away from a half the binary value decides as well as its decimal text
    // does: k / 10^d is then the double nearest the rounded decimal.
    if (decimals >= 0 && decimals <= 6) {
        static constexpr double scales[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
        const double scale = scales[decimals];
        const double t = value * scale;
        if (std::fabs(t) < 1e15) {
            const double fraction = t - std::floor(t);
            if (std::fabs(fraction - 0.5) > 1e-14 * std::max(1.0, std::fabs(t)))
                return std::round(t) / scale;
        }
    }
    const RoundedDigits r = roundedDigits(value, decimals, rule);
    std::string text = (r.negative ? "-" : "") + r.integer;
    if (decimals > 0)
        text += "." + r.fraction;
    return std::strtod(text.c_str(), nullptr);
}

QString fixedText(double value, int decimals, int integerDigits, HalfRule rule)
{
    if (!std::isfinite(value))
        return QString::fromStdString(shortestDecimal(value));
    // Away from a half the binary value rounds as its decimal text does:
    // the digits of the nearest integer k of value * 10^decimals.
    if (decimals >= 0 && decimals <= 6 && integerDigits <= 16) {
        static constexpr double scales[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6};
        const double t = value * scales[decimals];
        if (std::fabs(t) < 1e15 && std::fabs(t - std::floor(t) - 0.5) > 1e-14 * std::max(1.0, std::fabs(t))) {
            const long long k = std::llround(t);
            char digits[32];
            char* end = std::to_chars(digits, digits + sizeof digits, k < 0 ? -k : k).ptr;
            const int count = int(end - digits);
            const int width = std::max(count, decimals + integerDigits);
            char out[48];
            int n = 0;
            if (k < 0)
                out[n++] = '-';
            for (int i = 0; i < width; ++i) {
                if (i == width - decimals)
                    out[n++] = '.';
                const int from = i - (width - count);
                out[n++] = from >= 0 ? digits[from] : '0';
            }
            return QString::fromLatin1(out, n);
        }
    }
    RoundedDigits r = roundedDigits(value, decimals, rule);
    if (int(r.integer.size()) < integerDigits)
        r.integer.insert(0, std::size_t(integerDigits) - r.integer.size(), '0');
    std::string text = (r.negative ? "-" : "") + r.integer;
    if (decimals > 0)
        text += "." + r.fraction;
    return QString::fromStdString(text);
}

QString format000(const QString& text)
{
    if (const auto value = fullNumber(text))
        return format000(*value);
    return text;
}

} // namespace quarvane
