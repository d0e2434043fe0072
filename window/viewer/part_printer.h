// Prints a long view into a PDF file a part at a time (see
// ylogs/views/print_parts.h): each part loads in a hidden page of its own,
// as safe as the view's, is printed there by the browser, and joins the
// document in order, which is written when it is whole. Two parts print at
// once: each takes a renderer's core.
#pragma once

#include <QByteArray>
#include <QObject>
#include <QPageLayout>
#include <QPageRanges>
#include <QString>

#include <cstddef>
#include <map>
#include <memory>
#include <unordered_set>
#include <utility>
#include <vector>

#include "ylogs/render/document.h"
#include "ylogs/views/page_pieces.h"

namespace orvex {

class PdfJoiner;
class SafeWebPage;

class PartPrinter : public QObject {
  Q_OBJECT
 public:
  struct Job {
    QString page_path;                 // the page file: what the parts' pictures are found beside
    const TextItems* items = nullptr;  // the page; it stays as it is until `finished`
    PageParts parts;
    QByteArray charset;
    std::size_t part_bytes = 2 << 20;
    QString file;  // the PDF file written
    QPageLayout layout;
    QPageRanges pages;  // none: all
  };

  explicit PartPrinter(QObject* parent = nullptr);
  ~PartPrinter() override;

  // Starts printing `job`, in place of one under way.
  void Start(Job job);
  // Stops the print under way; the file is not written.
  void Cancel();

 signals:
  // Conversations in the file so far, out of all.
  void progress(std::size_t printed, std::size_t conversations);
  void finished(const QString& file, bool ok);

 private:
  void PrintMore();
  void PartPrinted(std::size_t part, const QByteArray& pdf);
  // Ends the print: the file is written, whole, only when `ok`. Tells
  // `finished` when `tell`.
  void End(bool ok, bool tell = true);

  Job job_;
  std::vector<std::pair<std::size_t, std::size_t>> cut_;
  std::size_t next_ = 0;    // the next part to load
  std::size_t joined_ = 0;  // parts in the file
  std::map<std::size_t, SafeWebPage*> printing_;
  std::unordered_set<SafeWebPage*> asked_;     // pages the browser prints now
  std::map<std::size_t, QByteArray> waiting_;  // printed before the parts ahead of them
  std::string joined_pdf_;                     // the file, written once it is whole
  std::unique_ptr<PdfJoiner> joiner_;
  unsigned generation_ = 0;  // a cancelled print's callbacks are ignored
  bool running_ = false;
};

}  // namespace orvex
