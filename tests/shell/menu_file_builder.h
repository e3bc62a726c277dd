// Writes menu description files by hand for the tests: sections and keys in order, CR LF
// line ends, the ANSI code page, and the end line unless a test leaves it out.
#pragma once

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "model/ansi_codec.h"

namespace orv::test {

class MenuFileBuilder {
public:
    MenuFileBuilder& set(const std::string& section, const std::string& key, const std::string& value)
    {
        for (auto& s : sections_)
            if (s.first == section) {
                for (auto& kv : s.second)
                    if (kv.first == key) {
                        kv.second = value;  // a later value replaces an earlier one
                        return *this;
                    }
                s.second.emplace_back(key, value);
                return *this;
            }
        sections_.push_back({section, {{key, value}}});
        return *this;
    }
    // Fields of button n in [ButtonData]: {"Text", "Exit"} sets "Button<n>Text".
    MenuFileBuilder& button(int n, std::initializer_list<std::pair<const char*, std::string>> fields)
    {
        for (const auto& [field, value] : fields)
            set("ButtonData", "Button" + std::to_string(n) + field, value);
        return *this;
    }
    MenuFileBuilder& withoutEndLine()
    {
        endLine_ = false;
        return *this;
    }

    // A small valid menu: the window section and no buttons.
    static MenuFileBuilder minimal()
    {
        MenuFileBuilder b;
        b.set("Origin", "Info", "This file is created by Veltrona Orvanto 2018");
        b.set("MainWindow", "Width", "500").set("MainWindow", "Height", "400");
        b.set("Buttons", "NrButtons", "0");
        return b;
    }

    std::string bytes() const
    {
        std::string text;
        for (const auto& s : sections_) {
            text += "[" + s.first + "]\r\n";
            for (const auto& kv : s.second)
                text += kv.first + " = " + kv.second + "\r\n";
            text += "\r\n";
        }
        if (endLine_)
            text += "-(EOF)-\r\n\r\n";
        return Utf8ToAnsi(text);
    }

private:
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections_;
    bool endLine_ = true;
};

}  // namespace orv::test
