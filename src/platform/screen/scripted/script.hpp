#pragma once
// A script for the scripted screen: the answers to the boxes the program
// will show, what to type into its forms, which keys and buttons to press
// and which menu entries to choose, in order. Texts in a script are UTF-8,
// so that scripts and transcripts read as they show.
//
// The text form, one step a line ("#" starts a comment):
//   answer "Confirma ?     " yes      a yes/no question, by its exact text
//   ok "Nao achou o Produto."         an error, alert or information box
//   type "7891234567895"              bytes into the focused field (or a
//                                     browse's hot letters)
//   press Enter Up F2                 keys
//   button "&Gravar"                  a button, by caption ("&" optional)
//   choose "A. Utilitarios" "F. Sair" a menu entry by its path of labels
//   focus "C012"                      the focus must be on this field
//   expect "Impressora Nao Cadastrada" this text was shown (in a text or a
//                                     title) since the previous expect
//   clock 11/12/2026 10:30            the date and time the program reads
//                                     from here on
//   end                               the program has ended its run here

#include <deque>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/screen/driver_error.hpp"
#include "platform/screen/keys.hpp"

namespace zelto::screen::scripted {

// A script that does not fit what the program shows. Thrown out of the
// screen call at once, so that a test fails where the road went astray
// instead of waiting for a person.
class ScriptError : public DriverError {
 public:
  using DriverError::DriverError;
};

struct Step {
  enum class Kind { Answer, Ok, Type, Press, Button, Choose, Focus, Expect, Clock, End };
  Kind kind = Kind::Press;
  std::string text{};  // UTF-8; for Clock "DD/MM/YYYY HH:MM"
  bool yes = false;
  Key key = Key::None;
  std::vector<std::string> path{};
};

// The step in the text form, for messages.
std::string describe(const Step& step);

class Script {
 public:
  Script& answer(std::string text, bool yes);
  Script& ok(std::string text);
  Script& type(std::string text);
  Script& press(Key key);
  Script& button(std::string caption);
  Script& choose(std::vector<std::string> path);
  Script& focus(std::string field_id);
  Script& expect(std::string text);
  Script& clock(std::string date_time);
  Script& end();
  Script& add(Step step);

  // The text form; a malformed line throws ScriptError naming its number.
  static Script parse(std::string_view text);

  bool empty() const { return steps_.empty(); }
  std::size_t size() const { return steps_.size(); }
  const Step& next() const { return steps_.front(); }
  Step take();

 private:
  std::deque<Step> steps_{};
};

}  // namespace zelto::screen::scripted
