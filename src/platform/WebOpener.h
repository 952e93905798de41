#pragma once

#include <QUrl>

// Hands a web address to the user's default browser. The program neither waits for it
// nor reports a failure; tests replace it to see which address was asked for.
class WebOpener {
public:
    virtual ~WebOpener() = default;

    virtual void open(const QUrl& address);
};
