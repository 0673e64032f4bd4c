// TPickerSearch: the search text and its 500 ms timer.
#include "dropdown/PickerSearch.h"

#include "windows/Timer.h"

TPickerSearch::TPickerSearch() : FTimer(std::make_unique<TTimer>(nullptr))
{
    FTimer->SetEnabled(false);
    FTimer->SetInterval(500);
    FTimer->OnTimer = [this](TObject*) {
        FTimer->SetEnabled(false);
        FText.clear();
    };
}

TPickerSearch::~TPickerSearch()
{
    FTimer->SetEnabled(false);
}

const QString& TPickerSearch::Add(QChar Key)
{
    FText += Key;
    if (!FTimer->Enabled()) FTimer->SetEnabled(true);
    return FText;
}
