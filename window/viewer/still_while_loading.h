// While a long page loads, the browser lays the growing document out again
// for every frame it draws, so a drawn load slows with the square of the
// page's length (10,000 conversations: about 31 s drawn, under 5 s not).
// Once the first screen is drawn, the view keeps a picture of it and the page
// draws nothing more until it has loaded; then the live page comes back.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QImage;
class QLabel;
class QWebEnginePage;
class QWebEngineView;

namespace orvex {

// Whether an image is one colour throughout (a frame with nothing drawn yet).
bool IsOneColour(const QImage& image);

class StillWhileLoading : public QObject {
  Q_OBJECT
 public:
  // A load of a page of at least `min_bytes` that has not ended `after_ms`
  // from its start is held still.
  StillWhileLoading(QWebEnginePage* page, qint64 min_bytes, int after_ms);
  ~StillWhileLoading() override;

  // A new load of a page of `bytes` starts: whatever the last one held is let
  // go.
  void LoadStarted(qint64 bytes);
  bool holding() const { return !picture_.isNull(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void TryToHold();
  void LetGo();
  QWebEngineView* View() const;

  QWebEnginePage* page_;
  qint64 min_bytes_;
  int after_ms_;
  QTimer poll_;
  QElapsedTimer since_start_;
  bool loading_ = false;
  QPointer<QLabel> picture_;
};

}  // namespace orvex
