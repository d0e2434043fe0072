#include "file_system_trash.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QString>

#include <cerrno>

#include "platform/file_faults.h"
#include "platform/file_system.h"
#include "qt_platform/qt_text.h"

namespace orvex::files {

bool TrashAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
  // Qt moves a file to the trash of its own file system or, failing that, to
  // $XDG_DATA_HOME/Trash; when that one cannot be had either, Qt 6.4 does not
  // fail but moves the file into a "files" folder below the working folder.
  const QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
  if (data.isEmpty()) return false;
  const QFileInfo trash(data + QStringLiteral("/Trash"));
  if (!trash.exists() && !trash.isSymLink()) {
    const QFileInfo parent(data);
    return parent.isDir() && parent.isWritable();
  }
  // Qt tries names in "info" for as long as it cannot create one there.
  const QFileInfo info(trash.filePath() + QStringLiteral("/info"));
  return trash.isDir() && trash.isWritable() &&
         (!info.exists() || (info.isDir() && info.isWritable()));
#else
  return true;
#endif
}

int MoveToTrash(const FileNameBytes& path) {
  if (const int fault = InjectedFault(FileCall::kRemove); fault > 0) return fault;
  if (!TrashAvailable()) return kNoTrash;
  // A name Qt cannot spell back to the same bytes would lead it to another file.
  const QString name = FromFileName(path);
  if (ToFileName(name) == path && QFile::moveToTrash(name)) return 0;
  if (!FileIdentity(path)) return ENOENT;
  const std::size_t cut = path.rfind('/');
  if (!CanWrite(cut == FileNameBytes::npos ? "." : path.substr(0, cut + 1))) return EACCES;
  return kNoTrash;
}

}  // namespace orvex::files
