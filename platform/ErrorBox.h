#pragma once
// The error box, and the boundary every event handler runs its body in.
//
// The box shows the message, with a full stop appended when its last character sorts after
// "."; its caption is the application title; it has an OK button and the stop icon. It is
// application-modal, and the keyboard focus returns where it was when it closes.
#include <QString>
#include <functional>

// The application title for an executable path: the file name without directory and without
// everything from its first full stop on, the first character unchanged, the rest lower case.
QString ApplicationTitle(const QString& executablePath);

// The text the box shows for a message.
QString ErrorBoxText(const QString& message);

// Shows the error box for a message and returns when the user has closed it.
void ShowErrorBox(const QString& message);

// What ShowErrorBox does with its caption and text. Tests install a presenter of their own;
// an empty function restores the message box. Returns the presenter that was in use.
using ErrorPresenter = std::function<void(const QString& caption, const QString& text)>;
ErrorPresenter SetErrorPresenter(ErrorPresenter presenter);

// Runs an event handler's body. An error that escapes it unwinds the body and is shown in the
// error box; then the program goes on.
void RunHandler(const std::function<void()>& body);
