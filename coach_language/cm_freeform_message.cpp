// Text forms and text setters of the freeform message.
#include "coach_language/cm_freeform_message.h"

#include <cstring>
#include <iostream>

CM_FreeformMessage::CM_FreeformMessage() = default;

CM_FreeformMessage::CM_FreeformMessage(const char* text) {
  setText(text);
}

CM_FreeformMessage::CM_FreeformMessage(const std::string& text)
    : CM_FreeformMessage(text.c_str()) {}

std::ostream& CM_FreeformMessage::print(std::ostream& out) const {
  return out << "(freeform " << '"' << text.data() << '"' << ")";
}

void CM_FreeformMessage::printPretty(std::ostream& out, std::string lineHeader) const {
  out << lineHeader << "Freeform" << std::endl;
  out << lineHeader << "  " << '"' << text.data() << '"' << std::endl;
}

int CM_FreeformMessage::getType() const {
  return 1;
}

void CM_FreeformMessage::setText(const char* newText) {
  text.fill('\0');
  if (newText == nullptr) return;
  std::strncpy(text.data(), newText, MAX_TEXT_LENGTH);
}

void CM_FreeformMessage::setQuotedText(const char* quotedText) {
  // Without even the opening quote there is nothing to copy.
  if (quotedText == nullptr || quotedText[0] == '\0') {
    setText(nullptr);
    return;
  }
  setText(quotedText + 1);
  const std::size_t length = std::strlen(text.data());
  // The opening quote alone leaves nothing to inspect for a closing one.
  if (length == 0) return;
  char& last = text[length - 1];
  if (last == '"') {
    last = '\0';
  } else {
    std::cout << "no end quote! " << last;
  }
}
