// Moving bytes between the ranks of an MPI job: a broadcast from rank 0 and
// a gather onto rank 0, of texts of any length (sent in pieces that fit
// MPI's int counts).
#pragma once

#include <mpi.h>

#include <string>
#include <vector>

namespace lumo::mpi {

// Rank 0's `bytes` on every rank.
void Broadcast(std::string &bytes, MPI_Comm comm);

// Every rank's `bytes`, in rank order, on rank 0 (empty elsewhere).
std::vector<std::string> Gather(const std::string &bytes, MPI_Comm comm);

}  // namespace lumo::mpi
