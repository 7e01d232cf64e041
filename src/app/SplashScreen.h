#pragma once

#include <QSplashScreen>

namespace kvf {

// The start-up picture: centred, closed after three seconds or by a key or a click
// anywhere in the application.
class SplashScreen : public QSplashScreen {
    Q_OBJECT
  public:
    static constexpr int kShowMilliseconds = 3000;

    SplashScreen();
    void ShowFor(int milliseconds = kShowMilliseconds);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace kvf
