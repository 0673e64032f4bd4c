// The exception classes of the runtime: Exception and its descendants, each carrying a message text.
#pragma once

#include "Object.h"

#include <QByteArray>
#include <QString>

#include <exception>

class Exception : public TObject, public std::exception {
public:
    explicit Exception(const QString& Msg) : FMessage(Msg), FUtf8(Msg.toUtf8()) {}
    Exception(const Exception& Other) : TObject(), std::exception(Other), FMessage(Other.FMessage), FUtf8(Other.FUtf8) {}

    const QString& Message() const { return FMessage; }
    void SetMessage(const QString& Msg) { FMessage = Msg; FUtf8 = Msg.toUtf8(); }
    const char* what() const noexcept override { return FUtf8.constData(); }

private:
    QString FMessage;
    QByteArray FUtf8;
};

// Declares a descendant of Base that only adds its class name.
#define KT_DECLARE_EXCEPTION(Name, Base)        \
    class Name : public Base {                   \
    public:                                      \
        using Base::Base;                        \
    }

KT_DECLARE_EXCEPTION(EAbort, Exception);
KT_DECLARE_EXCEPTION(EConvertError, Exception);
KT_DECLARE_EXCEPTION(EListError, Exception);
KT_DECLARE_EXCEPTION(EStringListError, Exception);
KT_DECLARE_EXCEPTION(EInvalidOperation, Exception);
KT_DECLARE_EXCEPTION(EInvalidPointer, Exception);
KT_DECLARE_EXCEPTION(EComponentError, Exception);
KT_DECLARE_EXCEPTION(EStreamError, Exception);
KT_DECLARE_EXCEPTION(EFCreateError, EStreamError);
KT_DECLARE_EXCEPTION(EFOpenError, EStreamError);
KT_DECLARE_EXCEPTION(EReadError, EStreamError);
KT_DECLARE_EXCEPTION(EWriteError, EStreamError);
KT_DECLARE_EXCEPTION(EInOutError, Exception);
KT_DECLARE_EXCEPTION(EIntError, Exception);
KT_DECLARE_EXCEPTION(EDivByZero, EIntError);
KT_DECLARE_EXCEPTION(ERangeError, EIntError);
KT_DECLARE_EXCEPTION(EIntOverflow, EIntError);
KT_DECLARE_EXCEPTION(EMathError, Exception);
KT_DECLARE_EXCEPTION(EInvalidOp, EMathError);
KT_DECLARE_EXCEPTION(EZeroDivide, EMathError);
KT_DECLARE_EXCEPTION(EOverflow, EMathError);
KT_DECLARE_EXCEPTION(EOutOfMemory, Exception);
KT_DECLARE_EXCEPTION(EOSError, Exception);
KT_DECLARE_EXCEPTION(EInvalidCast, Exception);
KT_DECLARE_EXCEPTION(EVariantError, Exception);
KT_DECLARE_EXCEPTION(EPrinter, Exception);
KT_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
KT_DECLARE_EXCEPTION(EInvalidGraphicOperation, Exception);
KT_DECLARE_EXCEPTION(EResNotFound, Exception);
KT_DECLARE_EXCEPTION(EOutOfResources, Exception);
KT_DECLARE_EXCEPTION(EClassNotFound, Exception);
KT_DECLARE_EXCEPTION(EOleError, Exception);
KT_DECLARE_EXCEPTION(EXmlError, Exception);
