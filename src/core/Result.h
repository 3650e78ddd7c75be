// A value or an error message. Parsers and loaders return this; each failed check has its own literal text.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace core {

struct Error {
    std::string message;
};

template <typename T>
class Result {
public:
    Result(T value) : m_value(std::move(value)) {}
    Result(Error error) : m_value(std::move(error)) {}

    bool Ok() const { return std::holds_alternative<T>(m_value); }
    explicit operator bool() const { return Ok(); }
    T& Value() { return std::get<T>(m_value); }
    const T& Value() const { return std::get<T>(m_value); }
    T TakeValue() { return std::move(std::get<T>(m_value)); }
    const std::string& ErrorMessage() const { return std::get<Error>(m_value).message; }

private:
    std::variant<T, Error> m_value;
};

struct Unit {};
using Status = Result<Unit>;
inline Status Success() { return Unit{}; }

} // namespace core
