#include "host/io/temporary_names.h"

#include <random>

namespace host {

std::string LastNameOf(const std::string& path, const char* separators) {
    const auto slash = path.find_last_of(separators);
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string RandomTemporaryWord() {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string word;
    for (int i = 0; i < 12; ++i) word += kDigits[generator() % (sizeof kDigits - 1)];
    return word;
}

unsigned long TemporaryOwner(std::string_view entry, std::string_view prefix) {
    if (entry.size() <= prefix.size() + kTemporarySuffix.size() ||
        entry.substr(0, prefix.size()) != prefix ||
        entry.substr(entry.size() - kTemporarySuffix.size()) != kTemporarySuffix)
        return 0;
    // Past this a tenth digit could overflow a 32-bit number: no process has such an id.
    constexpr unsigned long kLargestBeforeADigit = 400'000'000;
    unsigned long pid = 0;
    for (const char c : entry.substr(prefix.size())) {
        if (c == '-') return pid;
        if (c < '0' || c > '9' || pid > kLargestBeforeADigit) return 0;
        pid = pid * 10 + static_cast<unsigned long>(c - '0');
    }
    return 0;
}

}  // namespace host
