// Any bytes as a Wavelog/Cloudlog reply to /api/qso, under a few HTTP statuses. Nothing may
// crash; a reason stays within its bound, and a reply that is not a JSON object is never taken
// for an accepted QSO.

#include "services/WavelogReply.h"

#include <QJsonDocument>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool isObject = QJsonDocument::fromJson(bytes).isObject();
    for (const int status : {200, 201, 400, 401, 500}) {
        const wavelog::Reply reply = wavelog::parseReply(status, bytes);
        if (reply.reason.size() > wavelog::kMaxReason + 1)
            std::abort();
        if (!isObject && reply.verdict != wavelog::Reply::Verdict::NotAReply)
            std::abort();
    }
    return 0;
}
