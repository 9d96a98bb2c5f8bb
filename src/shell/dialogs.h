// Message boxes, as the screens ask for them; the windowing layer shows them,
// tests script the answers.
#pragma once

#include <string>

namespace survey {

inline constexpr const char* kProgramTitle = "Airport Survey";

enum class Button { Ok, Yes, No, Cancel };
// YesNo: Escape and the close control mean No. YesNoCancel: they mean Cancel, the way back.
enum class Buttons { Ok, YesNo, YesNoCancel };

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
// The same with Cancel beside them, for a question that can be taken back.
inline Message questionWithCancel(std::string text, std::string title) {
  return {std::move(text), std::move(title), Buttons::YesNoCancel, true, Button::No};
}

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual Button show(const Message& message) = 0;
};

}  // namespace survey
