#include "qt_voice.h"

#include <QElapsedTimer>
#include <QLocale>
#include <QTextToSpeech>
#include <QThread>
#include <QTimer>
#include <functional>
#include <mutex>

namespace speech {

namespace {

constexpr const char* kEngine = "speechd";
// How long a text may wait in the speech service without being begun before it counts as dropped,
// and how long one may be spoken at most before the voice takes the next.
constexpr qint64 kNeverBegunMs = 3000;
constexpr qint64 kLongestMs = 60000;
// How long the end of the program waits for the speech thread (a service that hangs is left behind).
constexpr unsigned long kExitWaitMs = 1000;

}  // namespace

// The voice's half in its own thread: the QTextToSpeech, made as soon as the voice is, and the
// watch over the text being said. `finished` and `unreachable` are posted back to the calling thread.
class SpeechWorker : public QObject {
 public:
  std::function<void()> finished;
  std::function<void(const std::string&)> unreachable;

  void Say(const QString& text) {
    if (!Usable()) {
      finished();
      return;
    }
    awaiting_ = true;
    begun_ = false;
    since_.start();
    poll_->start();
    tts_->say(text);
  }

  // Reaches the speech service before the first text, so that its absence shows early.
  void Prepare() { Usable(); }

  void Stop() {
    if (!awaiting_ || tts_ == nullptr) return;
    tts_->stop();
    Done();
  }

 private:
  // Makes the QTextToSpeech the first time it is needed; false when nothing can be said.
  bool Usable() {
    if (failed_) return false;
    if (tts_ != nullptr) return true;
    if (!QTextToSpeech::availableEngines().contains(QLatin1String(kEngine)))
      return Fail("読み上げできません: Qt の音声合成プラグインがありません (qt6-speech-speechd-plugin が要ります)");
    tts_ = new QTextToSpeech(QString::fromLatin1(kEngine), this);
    if (tts_->state() == QTextToSpeech::Error && tts_->errorReason() == QTextToSpeech::ErrorReason::Initialization)
      return Fail("読み上げできません: speech-dispatcher に接続できません (speech-dispatcher が要ります)");
    const QList<QLocale> locales = tts_->availableLocales();
    if (locales.isEmpty())
      return Fail("読み上げできません: speech-dispatcher に音声がありません (speech-dispatcher-espeak-ng が要ります)");
    // The words are Japanese; without a Japanese voice the service's own choice speaks them.
    for (const QLocale& locale : locales) {
      if (locale.language() == QLocale::Japanese) {
        tts_->setLocale(locale);
        break;
      }
    }
    connect(tts_, &QTextToSpeech::stateChanged, this, [this](QTextToSpeech::State state) {
      if (!awaiting_) return;
      if (state == QTextToSpeech::Speaking)
        begun_ = true;
      else if (begun_)
        Done();
    });
    poll_ = new QTimer(this);
    poll_->setInterval(200);
    connect(poll_, &QTimer::timeout, this, [this] { Watch(); });
    return true;
  }

  bool Fail(const char* missing) {
    failed_ = true;
    delete tts_;
    tts_ = nullptr;
    unreachable(missing);
    return false;
  }

  // The service tells the end of a text only when its state changes: a text it dropped before
  // beginning, or an end whose news got lost, would otherwise hold up every later text.
  void Watch() {
    if (!awaiting_) return;
    const bool speaking = tts_->state() == QTextToSpeech::Speaking;
    if ((!speaking && (begun_ || since_.elapsed() > kNeverBegunMs)) || since_.elapsed() > kLongestMs) Done();
  }

  void Done() {
    awaiting_ = false;
    poll_->stop();
    finished();
  }

  QTextToSpeech* tts_ = nullptr;
  QTimer* poll_ = nullptr;
  bool failed_ = false;
  bool awaiting_ = false;  // a text was said and is not done
  bool begun_ = false;     // the service began to speak it
  QElapsedTimer since_;
};

// The worker's way back to its QtVoice: a QtVoice that ends unsets it first, so that a worker
// left behind in a hanging service never posts to a voice that is gone.
struct VoiceLink {
  std::mutex mutex;
  QtVoice* voice = nullptr;

  template <typename Call>
  void Post(Call call) {
    const std::lock_guard lock(mutex);
    if (voice != nullptr) QMetaObject::invokeMethod(voice, std::move(call), Qt::QueuedConnection);
  }
};

QtVoice::QtVoice(VoiceListener& listener) : listener_(listener), link_(std::make_shared<VoiceLink>()) {
  link_->voice = this;
  thread_ = new QThread;
  thread_->setObjectName(QStringLiteral("kelvo-speech"));
  worker_ = new SpeechWorker;
  worker_->finished = [link = link_, this] { link->Post([this] { listener_.VoiceFinished(); }); };
  worker_->unreachable = [link = link_, this](const std::string& missing) {
    link->Post([this, missing] { listener_.VoiceUnreachable(missing); });
  };
  worker_->moveToThread(thread_);
  thread_->start();
  QMetaObject::invokeMethod(worker_, [worker = worker_] { worker->Prepare(); }, Qt::QueuedConnection);
}

QtVoice::~QtVoice() {
  {
    const std::lock_guard lock(link_->mutex);
    link_->voice = nullptr;
  }
  // The worker goes in its own thread (its QTextToSpeech closes the connection there), then the
  // thread ends.
  SpeechWorker* worker = worker_;
  QMetaObject::invokeMethod(worker, [worker] {
    worker->deleteLater();
    QThread::currentThread()->quit();
  }, Qt::QueuedConnection);
  // A service that hangs keeps its thread to the end of the process rather than the user waiting.
  if (thread_->wait(kExitWaitMs)) delete thread_;
}

void QtVoice::Say(const std::string& text) {
  const QString words = QString::fromStdString(text);
  QMetaObject::invokeMethod(worker_, [worker = worker_, words] { worker->Say(words); }, Qt::QueuedConnection);
}

void QtVoice::Stop() {
  QMetaObject::invokeMethod(worker_, [worker = worker_] { worker->Stop(); }, Qt::QueuedConnection);
}

}  // namespace speech
