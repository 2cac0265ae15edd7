#include "persons/RosterTypes.h"

#include <cctype>
#include <vector>

#include "persons/PersonDialog.h"
#include "util/Text.h"

namespace {

std::string Trimmed(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    return first == std::string::npos ? "" : TrimRight(text.substr(first));
}

// The words of a text in small ASCII letters; anything else parts them.
std::vector<std::string> WordsOf(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text + ' ') {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0 &&
            static_cast<unsigned char>(c) < 0x80) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        } else if (!word.empty()) {
            words.push_back(word);
            word.clear();
        }
    }
    return words;
}

bool IsOneOf(const std::string& word, std::initializer_list<const char*> list) {
    for (const char* candidate : list) {
        if (word == candidate) {
            return true;
        }
    }
    return false;
}

// 'M', 'F', or 0 when the word names no gender.
char GenderOfWord(const std::string& word) {
    if (IsOneOf(word, {"gentleman", "gentlemen", "gent", "man", "male", "m", "men", "boy"})) {
        return 'M';
    }
    if (IsOneOf(word, {"lady", "ladies", "woman", "female", "f", "w", "girl"})) {
        return 'F';
    }
    return 0;
}

}  // namespace

int RosterTypeOf(const std::string& typeText, const std::string& genderText, std::string& whyNot) {
    const std::string wanted = Trimmed(typeText);
    if (wanted.empty()) {
        return kNonCompetitorType;
    }
    for (std::size_t i = 0; i < PersonTypes().size(); ++i) {
        if (EqualsIgnoringCase(wanted, PersonTypes()[i].text)) {
            return static_cast<int>(i);
        }
    }
    const std::vector<std::string> words = WordsOf(wanted);
    if (words == std::vector<std::string>{"non", "competitor"} ||
        words == std::vector<std::string>{"noncompetitor"}) {
        return kNonCompetitorType;
    }
    char gender = 0;
    char classLetter = 0;
    int youth = -1;  // not said
    for (const auto& word : words) {
        if (const char g = GenderOfWord(word); g != 0 && gender == 0) {
            gender = g;
        } else if (IsOneOf(word, {"professional", "pro"}) && classLetter == 0) {
            classLetter = 'P';
        } else if (IsOneOf(word, {"amateur", "am", "student"}) && classLetter == 0) {
            classLetter = 'A';
        } else if (IsOneOf(word, {"youth", "junior"}) && youth < 0) {
            youth = 1;
        } else if (word == "adult" && youth < 0) {
            youth = 0;
        } else {
            whyNot = "unknown type \"" + wanted + "\"";
            return -1;
        }
    }
    if (classLetter == 0 && youth >= 0) {
        classLetter = 'A';  // youth and adult are the amateurs' ages
    }
    if (classLetter == 0 || (classLetter == 'P' && youth == 1)) {
        whyNot = "unknown type \"" + wanted + "\"";
        return -1;
    }
    if (gender == 0) {
        const std::vector<std::string> genderWords = WordsOf(genderText);
        if (genderWords.size() == 1) {
            gender = GenderOfWord(genderWords.front());
        }
    }
    if (gender == 0) {
        whyNot = "the type \"" + wanted +
                 "\" says no gentleman or lady (add a \"Gender\" column, or write \"Gentleman\" "
                 "or \"Lady\" in the type)";
        return -1;
    }
    for (std::size_t i = 0; i < kNonCompetitorType; ++i) {
        const CPersonType& type = PersonTypes()[i];
        if (type.gender == gender && type.classLetter == classLetter &&
            type.youth == (youth == 1 ? 1 : 0)) {
            return static_cast<int>(i);
        }
    }
    whyNot = "unknown type \"" + wanted + "\"";
    return -1;
}

std::string RosterTypesHelp() {
    std::string help = "The \"Type\" column takes one of these:";
    for (std::size_t i = 0; i < PersonTypes().size(); ++i) {
        help += std::string(i == 0 ? " \"" : ", \"") + PersonTypes()[i].text + '"';
    }
    help +=
        ". It also takes the plain words \"Professional\" or \"Pro\", \"Amateur\", \"Student\" "
        "(an amateur), \"Youth\" and \"Adult\", with \"Gentleman\" or \"Lady\" in the type or in a "
        "\"Gender\" column; an empty type is a non-competitor.";
    return help;
}
