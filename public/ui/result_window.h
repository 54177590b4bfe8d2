#pragma once

#include <QDialog>

class WebEngineBrowser;

// The result window: the page the calculation service returns, in a small tool window of fixed
// size. Made at the first calculation, it then keeps its browser and the page last shown.
// Made with its parent alone, over which it is centred: it writes nothing, it has no links.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent);

    WebEngineBrowser* WebBrowser1 = nullptr;
};
