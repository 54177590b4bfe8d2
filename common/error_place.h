#pragma once

class AppError;
class QWidget;

// Turns the control named by a failure's place into the line the error box shows before the
// message, and gives a visible control the focus: an edit its caption ("Поле «…»"), a grid the
// row and column headings of its cell; a radio group's chosen button gets it. The control is looked
// for in owner's window first, then in every other window. A place described already keeps its
// description; controls not found are left as they are.
void resolveErrorPlace(QWidget* owner, AppError& error);
