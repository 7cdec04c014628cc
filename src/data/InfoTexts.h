#pragma once

#include <QString>
#include <QUrl>

// The texts of the about box and the update prompt; line breaks are CR LF.
namespace InfoTexts {

QString aboutText(const QString &windowTitle);
QString updatePrompt(const QString &windowTitle);

// The download share that the update prompt offers.
QUrl updateAddress();

// What the user reads when the desktop could not open an address: the address itself,
// to be copied into a browser by hand.
QString openFailedText(const QUrl &address);

} // namespace InfoTexts
