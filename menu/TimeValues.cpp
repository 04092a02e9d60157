#include "TimeValues.h"

#include <charconv>
#include <limits>
#include <optional>

namespace {

// A decimal whole number with an optional sign, nothing else.
std::optional<std::int64_t> ReadWholeNumber(std::string_view text)
{
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc{} || ptr != end)
        return std::nullopt;
    return value;
}

} // namespace

std::string CalculateTimeAsString(std::uint8_t msb, std::uint8_t lsb)
{
    const int total = msb * 256 + lsb;
    const int minutes = total / 60;
    const int seconds = total - minutes * 60;
    std::string text = std::to_string(minutes);
    text += ':';
    text += static_cast<char>('0' + seconds / 10);
    text += static_cast<char>('0' + seconds % 10);
    return text;
}

std::int32_t CalculateTimeInSeconds(std::string_view time)
{
    const auto colon = time.find(':');
    if (colon == std::string_view::npos)
        return 0;
    const auto minutes = ReadWholeNumber(time.substr(0, colon));
    const auto seconds = ReadWholeNumber(time.substr(colon + 1));
    // Both parts are within 32 bits here, so the sum cannot overflow 64.
    constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
    if (!minutes || !seconds || *minutes < lo || *minutes > hi || *seconds < lo || *seconds > hi)
        return 0;
    const std::int64_t total = *minutes * 60 + *seconds;
    if (total < lo || total > hi)
        return 0;
    return static_cast<std::int32_t>(total);
}
