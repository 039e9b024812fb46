#include "mpi_bytes.h"

#include <algorithm>
#include <climits>
#include <cstdint>

namespace lumo::mpi {

namespace {
constexpr std::size_t kPiece = std::size_t{1} << 30;
}

void Broadcast(std::string &bytes, MPI_Comm comm) {
  std::uint64_t size = bytes.size();
  MPI_Bcast(&size, 1, MPI_UINT64_T, 0, comm);
  bytes.resize(size);
  for (std::size_t at = 0; at < size; at += kPiece)
    MPI_Bcast(bytes.data() + at, static_cast<int>(std::min<std::size_t>(kPiece, size - at)),
              MPI_CHAR, 0, comm);
}

std::vector<std::string> Gather(const std::string &bytes, MPI_Comm comm) {
  int rank = 0, ranks = 1;
  MPI_Comm_rank(comm, &rank);
  MPI_Comm_size(comm, &ranks);
  const std::uint64_t size = bytes.size();
  std::vector<std::uint64_t> sizes(rank == 0 ? ranks : 0);
  MPI_Gather(&size, 1, MPI_UINT64_T, sizes.data(), 1, MPI_UINT64_T, 0, comm);
  std::vector<std::string> all;
  if (rank == 0) {
    all.resize(ranks);
    all[0] = bytes;
    for (int r = 1; r < ranks; ++r) {
      all[r].resize(sizes[r]);
      for (std::size_t at = 0; at < sizes[r]; at += kPiece)
        MPI_Recv(all[r].data() + at, static_cast<int>(std::min<std::size_t>(kPiece, sizes[r] - at)),
                 MPI_CHAR, r, 0, comm, MPI_STATUS_IGNORE);
    }
  } else {
    for (std::size_t at = 0; at < size; at += kPiece)
      MPI_Send(bytes.data() + at, static_cast<int>(std::min<std::size_t>(kPiece, size - at)),
               MPI_CHAR, 0, 0, comm);
  }
  return all;
}

}  // namespace lumo::mpi
