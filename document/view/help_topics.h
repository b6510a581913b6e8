// Legal topics of the specification's parts: the topic file "cnf\qox.cnf" lists heading texts
// with their topic numbers, and the heading chosen in the tree gives the number that the legal
// help program opens.
#pragma once

#include "model/variable_slots.h"
#include "framework/core/cstring.h"

// The topic file under the program folder.
CString TopicFilePath(const CString &mainPath);

// A heading without blanks and without a Roman number and full stop at either end:
// "XIV. Opis" and "Opis XIV" both give "Opis".
CString NormaliseTopicText(const CString &text);

// Fills the table from the topic file's text: every entry free (-1, ""), then one entry per
// line of a heading and a positive number separated by ";", in file order, until the table is
// full. Lines of another shape are passed over.
void ParseTopics(const CString &fileText, IdText (&topics)[kIdTexts]);

// The number of the first entry whose text begins the normalised heading; -1 when none does
// (a free entry ends the search).
int FindTopic(const IdText (&topics)[kIdTexts], const CString &heading);
