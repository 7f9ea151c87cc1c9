#pragma once
// The load-request block that running copies of the program share, and the
// hand-over of a file name from a later copy to the first one.
//
// The block is 272 bytes of shared memory, named per user:
//
//   offset  size  field
//        0     4  Count        copies attached (little-endian)
//        4   256  FileName     one length byte, then up to 255 bytes (UTF-8)
//      260     1  Pending      1 while FileName holds a request not yet served
//      261     3  reserved
//      264     4  OwnerWindow  the process id of the first copy; 0 until set
//      268     4  BaseCount    the Count the first copy set (1)
//
// Every read-modify-write of the block happens under the block's lock.
//
// Which copy is the first one is decided by a file lock, not by the block:
// the owner holds an exclusive lock on "<base>.lock" in the user's runtime
// folder for as long as it runs, and the kernel drops it when the process
// dies, however it dies. A copy that finds the lock free is the owner, even
// when a killed copy left its block behind; it starts the block afresh and
// removes the dead copy's socket. A second lock, "<base>.gate", is held only
// while a copy decides its role, so that an owner has its block written and
// its socket listening before any later copy looks at them, and later
// copies hand their requests over one at a time.
//
// The hand-over: a later copy writes its file name and Pending into the
// block, connects to the owner's local socket "<base>.sock" (the nudge,
// carrying the launcher's activation token if there is one), and ends. The
// owner serves the request on the nudge itself; nothing polls the block.

#include <QByteArray>
#include <QObject>
#include <QSharedMemory>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <stdexcept>

class QLocalServer;

namespace tfd {

// A failure of the block itself, shown with its own message.
class TLoadInfoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

inline constexpr const char* kLoadInfoName = "Titanframe Designer 10.0 Load Info";
inline constexpr const char* kLoadInfoCreateError = "TSharedmemory createfilemapping error";
inline constexpr const char* kLoadInfoMapError = "Tfilemapping map view error";
inline constexpr const char* kLoadInfoUnmapError = "TFilemapping unmapviewoffile error";
inline constexpr const char* kLoadInfoCloseError = "TFileMapping close handle error";
// Overrides the block's key (tests give every case a key of its own).
inline constexpr const char* kLoadInfoKeyVariable = "TFD_LOAD_INFO_KEY";

inline constexpr int kLoadInfoSize = 272;
inline constexpr int kMaxRequestBytes = 255;

// The block's fields, decoded.
struct TLoadInfoRecord {
  std::uint32_t Count = 0;
  QByteArray FileName;  // at most 255 bytes
  bool Pending = false;
  std::uint32_t OwnerWindow = 0;
  std::uint32_t BaseCount = 0;
};

using TLoadInfoBytes = std::array<std::uint8_t, kLoadInfoSize>;

TLoadInfoBytes EncodeLoadInfo(const TLoadInfoRecord& record);
TLoadInfoRecord DecodeLoadInfo(const std::uint8_t* bytes);

// The request a command line makes: its parameters joined by single blanks
// and trimmed, made absolute against `workingDir`, as UTF-8 cut to 255 bytes
// without splitting a character. Empty when there are no parameters.
QByteArray CommandLineRequest(const QStringList& parameters, const QString& workingDir);

// The key of this user's block: the environment's override, or the block's
// name with the user id.
QString DefaultLoadInfoKey();

class TLoadRequests : public QObject {
  Q_OBJECT

 public:
  enum class ERole { None, Owner, Later };

  explicit TLoadRequests(QString key = DefaultLoadInfoKey(), QObject* parent = nullptr);
  ~TLoadRequests() override;
  TLoadRequests(const TLoadRequests&) = delete;
  TLoadRequests& operator=(const TLoadRequests&) = delete;

  // Creates the block or attaches to it, settles this copy's role and
  // registers `request` (see CommandLineRequest; empty: none) in the block
  // with Pending set, all in one step under the gate. The owner starts the
  // block afresh and listens for nudges. A later copy first waits a little
  // for a request still pending to be taken, so that copies started together
  // do not overwrite one another, and keeps the gate until HandOver.
  // When the block cannot be made or mapped, throws TLoadInfoError; this
  // copy then carries on as the owner of a block of its own that no other
  // copy sees.
  ERole Attach(const QByteArray& request = {});
  ERole Role() const { return role_; }
  bool IsOwner() const { return role_ == ERole::Owner; }

  // A later copy's nudge to the owner. False when no owner answered; the
  // request then stays in the block for the owner's next activation.
  bool HandOver();
  // Leaves the block: Count goes down; the owner gives up its socket and lock.
  void Detach();

  // The request this copy should serve: set only for the owner while Pending.
  bool PendingRequest(QString* fileName) const;
  // Clears Pending and returns the file name, in one step under the lock.
  // False when there was nothing to take.
  bool TakeRequest(QString* fileName);

  TLoadInfoRecord Read() const;
  QString Key() const { return key_; }
  // The lock files and the socket live here.
  QString SocketPath() const { return base_ + ".sock"; }
  QString LastActivationToken() const { return token_; }

  // The process id of the copy that owns the block of `key` and listens, or 0.
  static std::uint32_t ProbeOwner(const QString& key);
  // Removes what copies killed with the key left behind (the block, its
  // lock, the socket and the lock files); for tests, when none runs.
  static void RemoveLeftovers(const QString& key);

 signals:
  // A later copy handed a request over (or was started without one).
  void nudged();

 private:
  template <typename Change>
  void Update(Change change);
  void Register(const QByteArray& request);
  void StartListening();
  void OnConnection();

  QString key_;
  QString base_;
  QSharedMemory memory_;
  TLoadInfoBytes local_{};  // the block when shared memory failed
  bool shared_ = false;
  int ownerLock_ = -1;
  int gate_ = -1;
  ERole role_ = ERole::None;
  QLocalServer* server_ = nullptr;
  QString token_;
  QByteArray request_;  // this copy's own request
};

}  // namespace tfd
