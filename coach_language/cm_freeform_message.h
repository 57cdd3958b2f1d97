// Freeform message: a short free text (at most 128 characters) sent as
// "(freeform "TEXT")".
#pragma once

#include <array>
#include <ostream>
#include <string>

#include "coach_language/cm_message.h"

class CM_FreeformMessage : public CM_Message {
 public:
  // Most characters the text holds.
  static constexpr int MAX_TEXT_LENGTH = 128;

  // The empty text.
  CM_FreeformMessage();
  // Copies at most 128 characters of `text`; nullptr gives the empty text.
  explicit CM_FreeformMessage(const char* text);
  // As above, for a text held in a string.
  explicit CM_FreeformMessage(const std::string& text);
  ~CM_FreeformMessage() override = default;

  // "(freeform \"TEXT\")"
  std::ostream& print(std::ostream& out) const override;
  // header "Freeform" and a line end, then header "  \"TEXT\"" and a line end.
  void printPretty(std::ostream& out, std::string lineHeader) const override;
  // 1
  int getType() const override;

  // The text, always zero-terminated.
  const char* getText() const { return text.data(); }
  // Copies at most 128 characters of `newText`; nullptr gives the empty text.
  void setText(const char* newText);
  void setText(const std::string& newText) { setText(newText.c_str()); }
  // Takes a text that begins with an opening double quote: copies at most 128
  // characters after it and removes a closing quote at the end of the copy. When
  // the copy does not end with a quote, writes "no end quote! %c" (with its last
  // character) to standard output and keeps the copy. The opening quote alone
  // (or an empty or missing text) gives the empty text, silently.
  void setQuotedText(const char* quotedText);
  void setQuotedText(const std::string& quotedText) { setQuotedText(quotedText.c_str()); }

 private:
  std::array<char, MAX_TEXT_LENGTH + 1> text{};
};
