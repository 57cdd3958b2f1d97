// Small printing helpers shared by the coach-language classes: held objects
// that may be missing and ordered lists of owned objects, in both text forms.
#pragma once

#include <ostream>
#include <string>

#include "coach_language/wire_format.h"

// Writes the protocol form of `object`; nothing when it is missing.
template <class T>
void printHeld(std::ostream& out, const T* object) {
  if (object != nullptr) object->print(out);
}

// Writes the readable form of `object` under `header`; when it is missing, the
// header and "NULL" on a line of their own.
template <class T>
void printPrettyHeld(std::ostream& out, const T* object, const std::string& header) {
  if (object != nullptr) {
    object->printPretty(out, header);
  } else {
    out << header << MISSING_OBJECT_TEXT << std::endl;
  }
}

// Writes the inline readable form of a point; "NULL" when it is missing.
template <class T>
void printInlineHeld(std::ostream& out, const T* point) {
  if (point != nullptr) {
    point->printInline(out);
  } else {
    out << MISSING_OBJECT_TEXT;
  }
}

// Writes a blank and then the protocol form of each element of `list`, in order.
template <class List>
void printEach(std::ostream& out, const List& list) {
  for (const auto& element : list) {
    out << " ";
    printHeld(out, element.get());
  }
}

// Writes the readable form of each element of `list`, in order, under `header`.
template <class List>
void printPrettyEach(std::ostream& out, const List& list, const std::string& header) {
  for (const auto& element : list) printPrettyHeld(out, element.get(), header);
}

// Writes "(" and `keyword`, a blank and the protocol form of each element of
// `list`, then ")"; yields the stream.
template <class List>
std::ostream& printListForm(std::ostream& out, const char* keyword, const List& list) {
  out << "(" << keyword;
  printEach(out, list);
  return out << ")";
}

// Writes `lineHeader`, `title` and a line end, then the readable form of each
// element of `list` under lineHeader + itemMark.
template <class List>
void printPrettyListForm(std::ostream& out, const std::string& lineHeader, const char* title,
                         const List& list, const char* itemMark) {
  out << lineHeader << title << std::endl;
  printPrettyEach(out, list, lineHeader + itemMark);
}

// Writes `opening`, the protocol form of `object` (nothing when it is missing)
// and ")"; yields the stream.
template <class T>
std::ostream& printHeldForm(std::ostream& out, const char* opening, const T* object) {
  out << opening;
  printHeld(out, object);
  return out << ")";
}

// Writes `lineHeader`, `title` and a line end, then the readable form of
// `object` under lineHeader + " " ("NULL" when it is missing).
template <class T>
void printPrettyHeldForm(std::ostream& out, const std::string& lineHeader, const char* title,
                         const T* object) {
  out << lineHeader << title << std::endl;
  printPrettyHeld(out, object, lineHeader + " ");
}
