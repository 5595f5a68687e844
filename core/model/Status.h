// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the core reports a failure: a function that can fail returns a Status (or a result holding
// one) whose message names the file or the field and says what went wrong, in the user's words.
// The core throws no exceptions of its own.

#include <string>
#include <utility>

namespace fundis {

class [[nodiscard]] Status {
  public:
    Status() = default;  // success
    static Status failure(std::string message) { return Status(std::move(message)); }

    bool ok() const { return message_.empty(); }
    explicit operator bool() const { return ok(); }
    const std::string& message() const { return message_; }

  private:
    explicit Status(std::string message) : message_(message.empty() ? "ошибка" : std::move(message)) {}
    std::string message_;
};

}  // namespace fundis
