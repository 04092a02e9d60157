// The rules every imported item must pass, whichever reader found it: one
// field of one item as the input gave it, the messages that name where it
// came from, and the check that turns the fields into a MenuItem.
#pragma once

#include "MenuImport.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// One field of one item as the input gave it.
struct Value {
    enum class Kind { Missing, Text, Number, Other };
    Kind kind = Kind::Missing;
    std::string text;  // Kind::Text
    double number = 0; // Kind::Number
    std::string shown; // as messages show it

    static Value Text(std::string t);
};

struct RawItem {
    Value name, cook, shake, hold, comp;
};

// Collects messages that begin with where they are from ("menu.csv: line 3").
class Errors
{
public:
    // `rawTaken` counts the messages about values that --raw takes as they are.
    Errors(std::vector<std::string>& out, std::size_t& rawTaken, std::string where)
        : out(out), rawTaken(rawTaken), where(std::move(where))
    {
    }
    void Add(std::string_view field, const std::string& shown, std::string_view reason,
             bool rawTakes = false);
    std::size_t Count() const { return out.size(); }

private:
    std::vector<std::string>& out;
    std::size_t& rawTaken;
    std::string where;
};

// A whole number from a JSON number, true/false, or a text of digits.
std::optional<long> WholeNumber(const Value& v);

// The item that `raw` makes under `rules`, each fault told to `errors`.
MenuItem CheckItem(const RawItem& raw, ImportRules rules, Errors& errors);

// The bytes of `bytes`, not copied.
std::string_view View(const QByteArray& bytes);
