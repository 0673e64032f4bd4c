// The handler of exceptions at event boundaries and its default.
#include "EventExceptions.h"

#include "Exceptions.h"

#include <QtGlobal>

#include <exception>

namespace {

void WriteWarning(TObject*)
{
    try {
        throw;
    } catch (const EAbort&) {
    } catch (const std::exception& E) {
        qWarning("%s", E.what());
    } catch (...) {
        qWarning("Unknown exception");
    }
}

TEventExceptionHandler& Handler()
{
    static TEventExceptionHandler Current = &WriteWarning;
    return Current;
}

}  // namespace

TEventExceptionHandler SetEventExceptionHandler(TEventExceptionHandler Handler_)
{
    const TEventExceptionHandler Previous = Handler();
    Handler() = Handler_ ? Handler_ : &WriteWarning;
    return Previous;
}

void HandleEventException(TObject* Sender)
{
    if (std::current_exception()) Handler()(Sender);
}
