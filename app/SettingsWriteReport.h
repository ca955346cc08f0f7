#pragma once

namespace app {
// A settings write that fails is told to the user once per run, in a
// "設定エラー" message naming the file and the reason; the old file stays.
void StartReportingSettingsWriteFailures();
void StopReportingSettingsWriteFailures();

}  // namespace app
