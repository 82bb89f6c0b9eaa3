#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "store/clock.h"
#include "store/number_text.h"

namespace brinox {

// The command line split into options (with or without a value) and the
// command words, wherever they stand.
struct CliArguments {
    std::map<std::string, std::string> options;  // name without "--" -> value ("" for a flag)
    std::map<std::string, std::pair<std::string, std::string>> pairs;  // options with two values
    std::vector<std::string> words;              // the command and its arguments
};

// How many values --text takes: a photo's letter and its caption, or a text alone.
enum class TextOption { Pair, Single };

// Empty with `error` set for an unknown option or a missing value.
std::optional<CliArguments> splitArguments(const std::vector<std::string>& arguments, std::string& error,
                                           TextOption text = TextOption::Pair);

// YYYY-MM-DD of a real date into `moment` (its time of day untouched).
bool parseDate(const std::string& text, Moment& moment);
// HH:MM into `moment` (its date untouched).
bool parseTime(const std::string& text, Moment& moment);

}  // namespace brinox
