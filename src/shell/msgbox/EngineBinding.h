#pragma once
// Binds the engine's host hooks to the running application.
class TMKBoxDlg;

// Sets the engine's "process pending messages" hook to the Qt event loop.
void BindEngineHost();

// Also shows the engine's notices (MKInfoTM) and errors (MKError) through the
// given message box. The hooks answer the caller's default once the box is
// destroyed.
void BindEngineHost(TMKBoxDlg& box);
