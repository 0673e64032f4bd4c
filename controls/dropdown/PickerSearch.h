// TPickerSearch: the keys a picker's list is searched by, collected for 500 ms from the first one.
#pragma once

#include <QChar>
#include <QString>

#include <memory>

class TTimer;

class TPickerSearch {
public:
    TPickerSearch();
    ~TPickerSearch();

    // Adds Key and gives the search text so far. The first key of a search starts the timer; a
    // running timer is not restarted, so the text empties 500 ms after the first key.
    const QString& Add(QChar Key);
    const QString& Text() const { return FText; }

private:
    std::unique_ptr<TTimer> FTimer;
    QString FText;
};
