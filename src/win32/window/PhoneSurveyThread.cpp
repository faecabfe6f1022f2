#include "win32/window/PhoneSurveyThread.h"

#include <utility>

#include "app/ToolLookup.h"
#include "win32/common/UniqueHandles.h"
#include "win32/platform/UsbDeviceList.h"
#include "win32/platform/Win32Platform.h"

namespace vantrel::win32 {
namespace {

class ExclusiveLock {
  public:
    explicit ExclusiveLock(SRWLOCK& lock) : lock_(lock) { AcquireSRWLockExclusive(&lock_); }
    ~ExclusiveLock() { ReleaseSRWLockExclusive(&lock_); }
    ExclusiveLock(const ExclusiveLock&) = delete;
    ExclusiveLock& operator=(const ExclusiveLock&) = delete;

  private:
    SRWLOCK& lock_;
};

}  // namespace

struct PhoneSurveyThread::Shared {
    Shared(HWND toWindow, UINT message) : window(toWindow), surveyedMessage(message) {}

    LONG references = 1;
    SRWLOCK lock = SRWLOCK_INIT;
    // Guarded by the lock:
    HWND window;  // none once the window has let go
    UINT surveyedMessage;
    bool running = false;
    bool again = false;
    std::optional<PhoneSurvey> result;

    // Only the running thread uses these: a new one starts only once the last
    // has stopped using them. SetupAPI is loaded at the first look.
    std::optional<UsbDeviceQuery> devices;
    Win32Platform platform;

    PhoneSurvey look() {
        if (!devices) {
            devices.emplace();
        }
        return {devices->phones(), missingTools(platform)};
    }

    // Looks until no request is left, each result replacing the last.
    void work() {
        for (;;) {
            PhoneSurvey survey = look();
            const ExclusiveLock locked(lock);
            result = std::move(survey);
            if (window != nullptr) {
                PostMessageW(window, surveyedMessage, 0, 0);
            }
            if (!again) {
                running = false;
                return;
            }
            again = false;
        }
    }

    // The thread's own reference comes with it.
    static DWORD WINAPI threadStart(void* parameter) {
        const SharedReference shared(static_cast<Shared*>(parameter));
        shared->work();
        return 0;
    }
};

void PhoneSurveyThread::LetGo::operator()(Shared* shared) const {
    if (InterlockedDecrement(&shared->references) == 0) {
        delete shared;
    }
}

PhoneSurveyThread::PhoneSurveyThread(HWND window, UINT surveyedMessage)
    : shared_(new Shared(window, surveyedMessage)) {}

PhoneSurveyThread::~PhoneSurveyThread() {
    const ExclusiveLock locked(shared_->lock);
    shared_->window = nullptr;
}

void PhoneSurveyThread::request() {
    {
        const ExclusiveLock locked(shared_->lock);
        if (shared_->running) {
            shared_->again = true;
            return;
        }
        shared_->running = true;
    }
    InterlockedIncrement(&shared_->references);
    // The program's usual stack: SetupAPI's needs are its own, and only what
    // the thread touches is committed.
    const UniqueHandle thread(
        CreateThread(nullptr, 0, &Shared::threadStart, shared_.get(), 0, nullptr));
    if (!thread) {
        // No thread to be had: the window waits for this look rather than never having it.
        Shared::threadStart(shared_.get());
    }
}

std::optional<PhoneSurvey> PhoneSurveyThread::take() {
    const ExclusiveLock locked(shared_->lock);
    return std::exchange(shared_->result, std::nullopt);
}

}  // namespace vantrel::win32
