// Exceptions raised where an event of the system (a socket that became readable) runs our code:
// nothing may escape into Qt there, so they go to the handler the application installs.
#pragma once

class TObject;

using TEventExceptionHandler = void (*)(TObject* Sender);

// Installs Handler (nil: the default, which writes the message to Qt's warning output) and
// returns the one it replaces. The window layer's application installs its HandleException.
TEventExceptionHandler SetEventExceptionHandler(TEventExceptionHandler Handler);
// Hands the exception being handled to the handler; call it only inside a catch block.
void HandleEventException(TObject* Sender);
