#include "app/LoadRequests.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QSystemSemaphore>
#include <QThread>
#include <cstring>
#include <memory>

namespace tfd {

namespace {

constexpr int kCountAt = 0;
constexpr int kNameAt = 4;
constexpr int kPendingAt = 260;
constexpr int kOwnerAt = 264;
constexpr int kBaseCountAt = 268;

// How long a later copy waits for an earlier request to be taken before it
// writes its own over it, and for a busy owner to answer its nudge.
constexpr int kWaitForTakenMs = 10000;
constexpr int kConnectMs = 2000;
// How long a later copy whose owner stopped answering waits for it to end.
constexpr int kWaitForOwnerEndMs = 2000;
// The longest activation token a nudge may carry.
constexpr qsizetype kMaxTokenBytes = 512;

void PutU32(std::uint8_t* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

std::uint32_t GetU32(const std::uint8_t* at) {
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(at[i]) << (8 * i);
  return v;
}

std::uint32_t ThisProcess() { return static_cast<std::uint32_t>(QCoreApplication::applicationPid()); }

// Where the locks and the socket of a key live: the user's runtime folder.
QString BasePath(const QString& key) {
  QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (dir.isEmpty()) dir = QDir::tempPath();
  const QByteArray hash = QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex();
  return dir + "/tfd-" + QString::fromLatin1(hash.left(16));
}

int OpenLockFile(const QString& path) {
  return ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
}

// An exclusive lock, waited for; the kernel drops it if the process dies.
// Closing the descriptor gives it up.
int WaitLock(const QString& path) {
  const int fd = OpenLockFile(path);
  if (fd < 0) return -1;
  while (::flock(fd, LOCK_EX) != 0) {
    if (errno != EINTR) {
      ::close(fd);
      return -1;
    }
  }
  return fd;
}

void Release(int& fd) {
  if (fd >= 0) ::close(fd);
  fd = -1;
}

// The lock for one scope.
class TScopedFileLock {
 public:
  explicit TScopedFileLock(const QString& path) : fd_(WaitLock(path)) {}
  ~TScopedFileLock() { Release(fd_); }
  TScopedFileLock(const TScopedFileLock&) = delete;
  TScopedFileLock& operator=(const TScopedFileLock&) = delete;

 private:
  int fd_;
};

// The owner's lock, if no living copy holds it: its descriptor, else -1.
int TryOwnerLock(const QString& path) {
  const int fd = OpenLockFile(path);
  if (fd < 0) return -1;
  if (::flock(fd, LOCK_EX | LOCK_NB) == 0) return fd;
  ::close(fd);
  return -1;
}

// Whether a living copy holds the owner's lock.
bool OwnerLockHeld(const QString& path) {
  const int fd = OpenLockFile(path);
  if (fd < 0) return false;
  const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0;
  ::close(fd);
  return held;
}

// A launcher's token that lets the running copy bring itself forward.
QByteArray ActivationToken() {
  QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN");
  if (token.isEmpty()) token = qgetenv("DESKTOP_STARTUP_ID");
  return token.left(kMaxTokenBytes);
}

// What came over the socket is another program's text: printable ASCII only.
QString CleanToken(const QByteArray& line) {
  QString token;
  for (char c : line.left(kMaxTokenBytes))
    if (c > ' ' && c < 127) token += QLatin1Char(c);
  return token;
}

}  // namespace

TLoadInfoBytes EncodeLoadInfo(const TLoadInfoRecord& record) {
  TLoadInfoBytes bytes{};
  PutU32(&bytes[kCountAt], record.Count);
  const QByteArray name = record.FileName.left(kMaxRequestBytes);
  bytes[kNameAt] = static_cast<std::uint8_t>(name.size());
  std::memcpy(&bytes[kNameAt + 1], name.constData(), static_cast<std::size_t>(name.size()));
  bytes[kPendingAt] = record.Pending ? 1 : 0;
  PutU32(&bytes[kOwnerAt], record.OwnerWindow);
  PutU32(&bytes[kBaseCountAt], record.BaseCount);
  return bytes;
}

TLoadInfoRecord DecodeLoadInfo(const std::uint8_t* bytes) {
  TLoadInfoRecord record;
  record.Count = GetU32(bytes + kCountAt);
  // One length byte can name at most 255 bytes, all inside the field.
  record.FileName = QByteArray(reinterpret_cast<const char*>(bytes + kNameAt + 1), bytes[kNameAt]);
  record.Pending = bytes[kPendingAt] == 1;
  record.OwnerWindow = GetU32(bytes + kOwnerAt);
  record.BaseCount = GetU32(bytes + kBaseCountAt);
  return record;
}

QByteArray CommandLineRequest(const QStringList& parameters, const QString& workingDir) {
  QString joined;
  for (const QString& p : parameters) joined += ' ' + p;
  joined = joined.trimmed();
  if (joined.isEmpty()) return {};
  // The copy that serves the request may run in another folder.
  QByteArray name = QDir::cleanPath(QDir(workingDir).absoluteFilePath(joined)).toUtf8();
  if (name.size() > kMaxRequestBytes) {
    qsizetype cut = kMaxRequestBytes;
    // Back to the first byte of the character the cut would split.
    while (cut > 0 && (static_cast<unsigned char>(name[cut]) & 0xC0) == 0x80) --cut;
    name.truncate(cut);
  }
  return name;
}

QString DefaultLoadInfoKey() {
  const QString key = qEnvironmentVariable(kLoadInfoKeyVariable);
  if (!key.isEmpty()) return key;
  return QString(kLoadInfoName) + ':' + QString::number(::getuid());
}

TLoadRequests::TLoadRequests(QString key, QObject* parent)
    : QObject(parent), key_(std::move(key)), base_(BasePath(key_)), memory_(key_) {}

TLoadRequests::~TLoadRequests() {
  try {
    Detach();
  } catch (const TLoadInfoError&) {
    // Leaving at the end of the run; there is no one left to tell.
  }
}

template <typename Change>
void TLoadRequests::Update(Change change) {
  if (!shared_) {
    TLoadInfoRecord record = DecodeLoadInfo(local_.data());
    change(record);
    local_ = EncodeLoadInfo(record);
    return;
  }
  if (!memory_.lock()) return;
  auto* data = static_cast<std::uint8_t*>(memory_.data());
  TLoadInfoRecord record = DecodeLoadInfo(data);
  change(record);
  const TLoadInfoBytes bytes = EncodeLoadInfo(record);
  std::memcpy(data, bytes.data(), bytes.size());
  memory_.unlock();
}

TLoadInfoRecord TLoadRequests::Read() const {
  if (!shared_) return DecodeLoadInfo(local_.data());
  auto& memory = const_cast<QSharedMemory&>(memory_);
  if (!memory.lock()) return {};
  const TLoadInfoRecord record = DecodeLoadInfo(static_cast<const std::uint8_t*>(memory.constData()));
  memory.unlock();
  return record;
}

TLoadRequests::ERole TLoadRequests::Attach(const QByteArray& request) {
  if (role_ != ERole::None) return role_;
  QDir().mkpath(QFileInfo(base_).absolutePath());
  gate_ = WaitLock(base_ + ".gate");
  ownerLock_ = TryOwnerLock(base_ + ".lock");
  // A copy that cannot even open the lock file has no one to hand over to.
  const bool owner = ownerLock_ >= 0 || !OwnerLockHeld(base_ + ".lock");

  const char* failure = nullptr;
  if (!memory_.create(kLoadInfoSize)) {
    if (memory_.error() != QSharedMemory::AlreadyExists)
      failure = kLoadInfoCreateError;
    else if (!memory_.attach())
      failure = kLoadInfoMapError;
  }
  if (!failure && memory_.size() < kLoadInfoSize) {
    memory_.detach();
    failure = kLoadInfoMapError;
  }
  // Without the block this copy works alone, on a block of its own.
  shared_ = failure == nullptr;
  role_ = owner || !shared_ ? ERole::Owner : ERole::Later;
  if (role_ == ERole::Owner) {
    // A block left behind by a copy that died is started afresh.
    Update([](TLoadInfoRecord& r) {
      r = TLoadInfoRecord{};
      r.Count = 1;
      r.BaseCount = 1;
      r.OwnerWindow = ThisProcess();
    });
    if (ownerLock_ >= 0) StartListening();
  } else {
    Update([](TLoadInfoRecord& r) { ++r.Count; });
  }
  Register(request);
  // A later copy keeps the gate until its request is handed over.
  if (role_ != ERole::Later) Release(gate_);
  if (failure) throw TLoadInfoError(failure);
  return role_;
}

void TLoadRequests::StartListening() {
  // This copy holds the owner's lock, so a socket that is there is a dead copy's.
  QLocalServer::removeServer(SocketPath());
  server_ = new QLocalServer(this);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  if (!server_->listen(SocketPath())) {
    qWarning("Load requests: cannot listen on %s: %s", qPrintable(SocketPath()),
             qPrintable(server_->errorString()));
    return;
  }
  connect(server_, &QLocalServer::newConnection, this, &TLoadRequests::OnConnection);
}

void TLoadRequests::OnConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    socket->setParent(this);
    // The nudge is one line, the activation token; it counts once, when the
    // line is complete or the other copy has gone.
    auto handled = std::make_shared<bool>(false);
    auto check = [this, socket, handled] {
      if (*handled) return;
      const bool gone = socket->state() != QLocalSocket::ConnectedState;
      if (!socket->canReadLine() && !gone && socket->bytesAvailable() <= kMaxTokenBytes) return;
      *handled = true;
      token_ = CleanToken(socket->readLine(kMaxTokenBytes + 1).trimmed());
      socket->disconnectFromServer();
      socket->deleteLater();
      emit nudged();
    };
    connect(socket, &QLocalSocket::readyRead, this, check);
    connect(socket, &QLocalSocket::disconnected, this, check);
    check();
  }
}

void TLoadRequests::Register(const QByteArray& request) {
  if (role_ == ERole::Later && !request.isEmpty()) {
    // Copies started together hand over one at a time (the gate); an earlier
    // request the owner has not taken yet is not overwritten unless the owner
    // keeps it (its user is still answering the save question).
    QDeadlineTimer deadline(kWaitForTakenMs);
    while (Read().Pending && !deadline.hasExpired() && OwnerLockHeld(base_ + ".lock")) QThread::msleep(20);
  }
  request_ = request.left(kMaxRequestBytes);
  if (request_.isEmpty()) return;
  Update([this](TLoadInfoRecord& r) {
    r.FileName = request_;
    r.Pending = true;
  });
}

bool TLoadRequests::HandOver() {
  if (role_ != ERole::Later) return false;
  struct TGateRelease {
    int& fd;
    ~TGateRelease() { Release(fd); }
  } release{gate_};
  QLocalSocket socket;
  socket.connectToServer(SocketPath());
  if (socket.waitForConnected(kConnectMs)) {
    socket.write(ActivationToken() + '\n');
    const bool sent = socket.waitForBytesWritten(kConnectMs);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState) socket.waitForDisconnected(kConnectMs);
    if (sent) return true;
  }
  // No answer: the owner may be ending. If it does, this copy takes its
  // place and keeps its own request; otherwise the request waits in the
  // block for the owner's next activation.
  QDeadlineTimer deadline(kWaitForOwnerEndMs);
  do {
    ownerLock_ = TryOwnerLock(base_ + ".lock");
    if (ownerLock_ >= 0) break;
    QThread::msleep(20);
  } while (!deadline.hasExpired());
  if (ownerLock_ < 0) return false;
  role_ = ERole::Owner;
  Update([this](TLoadInfoRecord& r) {
    r.Count = 1;
    r.BaseCount = 1;
    r.OwnerWindow = ThisProcess();
    if (request_.isEmpty()) return;
    r.FileName = request_;
    r.Pending = true;
  });
  StartListening();
  return false;
}

void TLoadRequests::Detach() {
  if (role_ == ERole::None) return;
  const bool owner = role_ == ERole::Owner;
  if (server_) {
    server_->close();  // removes the socket
    delete server_;
    server_ = nullptr;
  }
  Update([owner](TLoadInfoRecord& r) {
    if (r.Count > 0) --r.Count;
    // A request written meanwhile stays for the copy that takes over.
    if (owner) r.OwnerWindow = 0;
  });
  role_ = ERole::None;
  Release(gate_);
  const char* failure = nullptr;
  // The last copy to leave takes the block with it.
  if (shared_ && !memory_.detach()) failure = kLoadInfoUnmapError;
  shared_ = false;
  if (ownerLock_ >= 0 && ::close(ownerLock_) != 0 && !failure) failure = kLoadInfoCloseError;
  ownerLock_ = -1;
  if (failure) throw TLoadInfoError(failure);
}

bool TLoadRequests::PendingRequest(QString* fileName) const {
  if (role_ != ERole::Owner) return false;
  const TLoadInfoRecord r = Read();
  if (r.OwnerWindow != ThisProcess() || !r.Pending) return false;
  if (fileName) *fileName = QString::fromUtf8(r.FileName);
  return true;
}

bool TLoadRequests::TakeRequest(QString* fileName) {
  if (role_ != ERole::Owner) return false;
  bool taken = false;
  Update([&](TLoadInfoRecord& r) {
    if (r.OwnerWindow != ThisProcess() || !r.Pending) return;
    r.Pending = false;
    taken = true;
    if (fileName) *fileName = QString::fromUtf8(r.FileName);
  });
  return taken;
}

std::uint32_t TLoadRequests::ProbeOwner(const QString& key) {
  const QString base = BasePath(key);
  TScopedFileLock gate(base + ".gate");
  if (!OwnerLockHeld(base + ".lock")) return 0;
  QSharedMemory memory(key);
  if (!memory.attach(QSharedMemory::ReadOnly)) return 0;
  std::uint32_t owner = 0;
  if (memory.lock()) {
    owner = DecodeLoadInfo(static_cast<const std::uint8_t*>(memory.constData())).OwnerWindow;
    memory.unlock();
  }
  memory.detach();
  return owner;
}

void TLoadRequests::RemoveLeftovers(const QString& key) {
  {
    QSharedMemory memory(key);
    // Detaching the last attachment removes the block.
    if (memory.attach()) memory.detach();
  }
  {
    // The block's lock; one opened to create it is removed with it.
    QSystemSemaphore lock(key, 1, QSystemSemaphore::Create);
  }
  const QString base = BasePath(key);
  QLocalServer::removeServer(base + ".sock");
  QFile::remove(base + ".lock");
  QFile::remove(base + ".gate");
}

}  // namespace tfd
