#include "Numbers.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <string>

double leadingNumber(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n'))
        ++i;

    std::string number;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        if (text[i] == '-') number.push_back('-');
        ++i;
    }
    bool digits = false;
    while (i < n && text[i] >= '0' && text[i] <= '9') {
        number.push_back(char(text[i].unicode()));
        digits = true;
        ++i;
    }
    if (i < n && text[i] == '.') {
        std::string fraction;
        ++i;
        while (i < n && text[i] >= '0' && text[i] <= '9') {
            fraction.push_back(char(text[i].unicode()));
            ++i;
        }
        if (!fraction.empty()) {
            if (!digits) number.push_back('0');
            number.push_back('.');
            number += fraction;
            digits = true;
        }
    }
    if (!digits) return 0;

    double value = 0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) {
        // Too many digits for a double: the nearest representable magnitude, or
        // 0 for a fraction too small to tell from it.
        const bool negative = number.front() == '-';
        const std::string whole = number.substr(0, number.find('.'));
        if (whole.find_first_of("123456789") == std::string::npos) return 0;
        return negative ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    }
    if (ec != std::errc()) return 0;
    return value == 0 ? 0 : value; // no negative zero
}

int leadingInt(QStringView text) {
    const double value = std::round(leadingNumber(text));
    if (value >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (value <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return int(value);
}

QString plainDecimal(double value) {
    if (!std::isfinite(value)) return QStringLiteral("0");
    if (value == 0) return QStringLiteral("0");
    char buffer[400];
    const auto [end, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (ec != std::errc()) return QStringLiteral("0");
    return QString::fromLatin1(buffer, end - buffer);
}
