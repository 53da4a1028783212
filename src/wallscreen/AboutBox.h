#pragma once

#include <functional>

class QUrl;
class QWidget;

// "About": the program's name, version and licence and the maker's home page as a link, which
// opens through openLink. The box opens without an event loop of its own and deletes itself
// when closed.
void showAboutBox(QWidget *parent, const std::function<void(const QUrl &)> &openLink);
