#pragma once

/** The texts of the Club Log upload and its screen, word for word; "%1" stands for a number or
 *  text. */
namespace clublogtexts {

inline constexpr char kPreparing[] = "Preparing ADIF file ...";
inline constexpr char kNoQsos[] = "No QSOs found!";
inline constexpr char kNoNewQsos[] = "No new QSOs found!";
inline constexpr char kUploading[] = "Uploading ADIF file ...";
inline constexpr char kUpdating[] = "Updating log database ...";
inline constexpr char kFinished[] = "Finished: %1";
inline constexpr char kError[] = "Error: %1";
inline constexpr char kUploadError[] = "Upload error: %1";
inline constexpr char kNotUploaded[] = "%1 QSO(s) not uploaded yet";
inline constexpr char kPurgeQuestion[] = "Your already existing Club Log logbook will be purged:";
inline constexpr char kOverwrite[] = "Overwrite logbook";
inline constexpr char kCancel[] = "Cancel";
/** The logbook could not be read to the end: a full upload would replace Club Log's logbook with
 *  part of it. */
inline constexpr char kIncompleteRead[] = "the logbook could not be read to its end";

} // namespace clublogtexts
