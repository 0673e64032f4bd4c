// TObject and TPersistent: the roots of the class tree.
#pragma once

#include <QString>

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    // The class name as the object's most derived C++ class is called ("TStringList").
    QString ClassName() const;
    // True when this object is of class T or of a descendant of it.
    template <typename T>
    bool InheritsFrom() const { return dynamic_cast<const T*>(this) != nullptr; }
};

class TPersistent : public TObject {
public:
    // Copies Source into this object; a class that cannot raises EConvertError
    // "Cannot assign a <source class> to a <this class>".
    virtual void Assign(TPersistent* Source);

protected:
    // Lets the source copy itself into Dest when Dest does not know the source's class.
    virtual void AssignTo(TPersistent* Dest);

private:
    [[noreturn]] void AssignError(TPersistent* Source);
};
