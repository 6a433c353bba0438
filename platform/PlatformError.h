#pragma once
// Errors that the platform layer raises carry the text the user will read.
// They travel as exceptions to the one default error handler.
#include <QString>
#include <stdexcept>

namespace platform {

class EPlatformError : public std::runtime_error {
 public:
  explicit EPlatformError(const QString& text)
      : std::runtime_error(text.toStdString()), text_(text) {}
  const QString& Text() const { return text_; }

 private:
  QString text_;
};

}  // namespace platform
