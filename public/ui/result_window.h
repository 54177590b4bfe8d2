#pragma once

#include <QDialog>

class WebEngineBrowser;

// The result window: the page the calculation service returns, in a small tool window of fixed
// size. Made at the first calculation, it then keeps its browser and the page last shown.
class TForm4 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm4(QWidget* parent);
    ~TForm4() override;

    WebEngineBrowser* WebBrowser1 = nullptr;
};

extern TForm4* Form4; // the result window; none before the first calculation
