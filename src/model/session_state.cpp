#include "model/session_state.h"

#include "model/ansi_codec.h"
#include "model/profile.h"
#include "model/project_writer.h"

namespace orv {

SessionState& Session()
{
    static SessionState state;
    return state;
}

void ResetSession()
{
    Session() = SessionState{};
    ResetProfileContext();
    ForgetProfileCache();
    FontFilesListed() = false;
    SetAnsiCodePage(1252);
}

EditorOptions& Options() { return Session().options; }
BatchState& Batch() { return Session().batch; }
EditorFolders& Folders() { return Session().folders; }
SiblingProducts& Siblings() { return Session().siblings; }

}  // namespace orv
