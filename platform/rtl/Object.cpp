// TObject and TPersistent.
#include "Object.h"

#include "Exceptions.h"

#include <cxxabi.h>

#include <cstdlib>
#include <mutex>
#include <typeindex>
#include <unordered_map>

QString TObject::ClassName() const
{
    static std::mutex lock;
    static std::unordered_map<std::type_index, QString> names;
    const std::type_index type(typeid(*this));
    std::lock_guard guard(lock);
    auto found = names.find(type);
    if (found != names.end()) return found->second;

    int status = 0;
    char* demangled = abi::__cxa_demangle(type.name(), nullptr, nullptr, &status);
    QString name = QString::fromLatin1(status == 0 && demangled ? demangled : type.name());
    std::free(demangled);
    // Classes in a namespace or a template report their last plain name.
    const qsizetype angle = name.indexOf(QLatin1Char('<'));
    if (angle >= 0) name.truncate(angle);
    const qsizetype colon = name.lastIndexOf(QLatin1String("::"));
    if (colon >= 0) name = name.mid(colon + 2);
    names.emplace(type, name);
    return name;
}

void TPersistent::Assign(TPersistent* Source)
{
    if (Source) {
        Source->AssignTo(this);
        return;
    }
    AssignError(nullptr);
}

void TPersistent::AssignTo(TPersistent* Dest)
{
    Dest->AssignError(this);
}

void TPersistent::AssignError(TPersistent* Source)
{
    const QString source = Source ? Source->ClassName() : QStringLiteral("nil");
    throw EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(source, ClassName()));
}
