// Entry point of the KT20418 configurator.
#include "windows/Forms.h"
#include "windows/Session.h"

int main(int argc, char** argv)
{
    TPlatformSession session(argc, argv);
    Application->Initialize();
    Application->SetTitle(QStringLiteral("KT20418"));
    TForm* mainForm = nullptr;
    Application->CreateForm(mainForm);
    mainForm->SetCaption(QStringLiteral("KT20418"));
    Application->Run();
    return 0;
}
