// SPDX-FileCopyrightText: 2026 The Numora developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a command asks its window to do: field texts to write, in order, then
// at most one message. A window applies an outcome without any arithmetic
// or checks of its own.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "MessageIcon.h"
#include "SharedMessages.h"

namespace numora {

struct Message {
    std::string text;
    std::string title;
    MessageIcon icon = MessageIcon::Exclamation;
    bool operator==(const Message&) const = default;
};

struct Outcome {
    // Control name -> new text, applied in this order.
    std::vector<std::pair<std::string, std::string>> writes;
    // Shown after the writes.
    std::optional<Message> message;

    Outcome& Write(std::string control, std::string text) {
        writes.emplace_back(std::move(control), std::move(text));
        return *this;
    }
    // An input error: exclamation icon, the calculator windows' error title.
    Outcome& Fail(std::string text) {
        message = Message{std::move(text), kErrorTitle, MessageIcon::Exclamation};
        return *this;
    }
    static Outcome Error(std::string text) { return Outcome().Fail(std::move(text)); }

    bool failed() const { return message.has_value(); }
    // The last text written to `control`, or nullopt when it is not written.
    std::optional<std::string> Field(const std::string& control) const {
        for (auto it = writes.rbegin(); it != writes.rend(); ++it)
            if (it->first == control) return it->second;
        return std::nullopt;
    }
};

}  // namespace numora
