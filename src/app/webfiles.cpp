#include "webfiles.h"

#include <emscripten.h>

namespace app {

namespace {

EM_JS_DEPS(dotwise_webfiles, "$UTF8ToString,$FS");

// Waits (through Asyncify) until every fetch has ended.
// clang-format off
EM_ASYNC_JS(void, dotwise_fetch_beside, (const char* folder, const char* names), {
    var dir = UTF8ToString(folder);
    await Promise.all(UTF8ToString(names).split("\n").map(async function(name) {
        try {
            var response = await fetch(name);
            if (!response.ok)
                return;
            var data = new Uint8Array(await response.arrayBuffer());
            var path = dir + "/" + name;
            FS.mkdirTree(path.substring(0, path.lastIndexOf("/")));
            FS.writeFile(path, data);
        } catch (e) {
        }
    }));
});
// clang-format on

} // namespace

void fetchFilesBeside(const QString& folder, const QStringList& names)
{
    dotwise_fetch_beside(folder.toUtf8().constData(),
                         names.join(QLatin1Char('\n')).toUtf8().constData());
}

} // namespace app
