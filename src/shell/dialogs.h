// Message boxes, as the screens ask for them; the windowing layer shows them,
// tests script the answers.
#pragma once

#include <string>

namespace survey {

inline constexpr const char* kProgramTitle = "Airport Survey";

enum class Button { Ok, Yes, No };
enum class Buttons { Ok, YesNo };

struct Message {
  std::string text;
  std::string title;
  Buttons buttons = Buttons::Ok;
  bool questionIcon = false;
  Button defaultButton = Button::Ok;

  bool operator==(const Message&) const = default;
};

// An information or refusal with one OK button.
inline Message notice(std::string text, std::string title = kProgramTitle) {
  return {std::move(text), std::move(title), Buttons::Ok, false, Button::Ok};
}
// A question with Yes and No, a question icon and No as the default.
inline Message question(std::string text, std::string title) {
  return {std::move(text), std::move(title), Buttons::YesNo, true, Button::No};
}

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Button show(const Message& message) = 0;
};

}  // namespace survey
