#include "window/viewer/part_printer.h"

#include <QPointer>

#include <string>
#include <string_view>

#include "platform/file_system.h"
#include "qt_platform/qt_text.h"
#include "window/viewer/safe_web_page.h"
#include "ylogs/export/pdf_join.h"
#include "ylogs/views/print_parts.h"

namespace orvex {
namespace {

// Parts printing at once, and parts printed or printing ahead of the file.
constexpr std::size_t kAtOnce = 2;
constexpr std::size_t kAhead = 4;

// A page that has printed goes, with its renderer's memory. It leaves the
// window's tree first: while a page goes, the browser runs other work (the
// next part's print comes back), which must not meet a page half gone.
void Dispose(SafeWebPage* page) {
  page->setParent(nullptr);
  page->deleteLater();
}

}  // namespace

PartPrinter::PartPrinter(QObject* parent) : QObject(parent) {}

PartPrinter::~PartPrinter() {
  if (running_) End(false, false);
  // A page whose print is under way outlives the printer: it goes when its
  // print comes back.
  for (SafeWebPage* page : asked_) page->setParent(nullptr);
  qDeleteAll(findChildren<SafeWebPage*>(Qt::FindDirectChildrenOnly));
}

void PartPrinter::Start(Job job) {
  if (running_) End(false, false);
  job_ = std::move(job);
  cut_ = CutForPrinting(*job_.items, job_.parts, job_.part_bytes);
  next_ = joined_ = 0;
  running_ = true;
  joined_pdf_.clear();
  joiner_ = std::make_unique<PdfJoiner>(joined_pdf_);
  emit progress(0, job_.parts.conversations);
  PrintMore();
}

void PartPrinter::Cancel() {
  if (running_) End(false);
}

void PartPrinter::PrintMore() {
  while (running_ && next_ < cut_.size() && printing_.size() < kAtOnce &&
         next_ - joined_ < kAhead) {
    const std::size_t part = next_++;
    auto* page = new SafeWebPage(this);
    page->SetPageCharset(job_.charset);
    printing_[part] = page;
    const unsigned generation = generation_;
    connect(page, &QWebEnginePage::loadFinished, this, [this, page, part, generation](bool ok) {
      if (generation != generation_) return;
      if (!ok) return End(false);
      // A page prints once: a print asked again would come back to a page
      // that went when its first print came back.
      disconnect(page, &QWebEnginePage::loadFinished, this, nullptr);
      asked_.insert(page);
      page->printToPdf(
          [self = QPointer<PartPrinter>(this), page, part, generation](const QByteArray& pdf) {
            if (!self) return Dispose(page);
            self->asked_.erase(page);
            if (generation == self->generation_) return self->PartPrinted(part, pdf);
            Dispose(page);  // a print stopped
          },
          job_.layout);
    });
    connect(page, &QWebEnginePage::renderProcessTerminated, this, [this, generation] {
      if (generation == generation_) End(false);
    });
    const std::string bytes = PrintPartPage(*job_.items, job_.parts, cut_[part]);
    page->LoadProgramPage(job_.page_path,
                          QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
  }
}

void PartPrinter::PartPrinted(std::size_t part, const QByteArray& pdf) {
  if (const auto page = printing_.find(part); page != printing_.end()) {
    Dispose(page->second);
    printing_.erase(page);
  }
  if (pdf.isEmpty()) return End(false);
  waiting_[part] = pdf;
  const auto keep = [this](std::size_t page) {
    return job_.pages.isEmpty() || job_.pages.contains(static_cast<int>(page));
  };
  // The parts join the file in order, whichever printed first.
  for (auto next = waiting_.find(joined_); next != waiting_.end(); next = waiting_.find(joined_)) {
    const QByteArray bytes = std::move(next->second);
    waiting_.erase(next);
    if (!joiner_->Add(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())),
                      keep))
      return End(false);
    emit progress(cut_[joined_++].second, job_.parts.conversations);
  }
  if (joined_ == cut_.size()) return End(joiner_->Finish());
  PrintMore();
}

void PartPrinter::End(bool ok, bool tell) {
  running_ = false;
  ++generation_;
  // A page is not deleted while the browser prints it: its print would come
  // back to a page that is gone. It goes when the print comes back.
  for (const auto& [part, page] : printing_)
    if (!asked_.count(page)) Dispose(page);
  printing_.clear();
  waiting_.clear();
  joiner_.reset();
  ok = ok && files::WriteFileAtomically(ToFileName(job_.file), joined_pdf_) == 0;
  std::string().swap(joined_pdf_);
  if (tell) emit finished(job_.file, ok);
}

}  // namespace orvex
