#pragma once
// The program's help: HTML topics built into the program, one per help context number.
class QWidget;

// Shows the topic for `context` (0x20000 + a dialog's resource number) in the help window.
void ShowHelpTopic(unsigned context, QWidget* parent);
