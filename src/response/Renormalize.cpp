#include "response/Renormalize.h"

#include <Eigen/Dense>

TSParameters Renormalized(const TSParameters& s, int ports, double fromZ0, double toZ0)
{
    // The reflection of the new reference seen from the old one.
    const double r = (toZ0 - fromZ0) / (toZ0 + fromZ0);
    if (ports == 1)
        return {(s.S11 - r) / (1.0 - r * s.S11), {}, {}, {}};

    // Equal real references on both ports: S' = (S - rI)(I - rS)^-1.
    Eigen::Matrix2cd matrix;
    matrix << s.S11, s.S12, s.S21, s.S22;
    const Eigen::Matrix2cd identity = Eigen::Matrix2cd::Identity();
    const Eigen::Matrix2cd result = (matrix - r * identity) * (identity - r * matrix).inverse();
    return {result(0, 0), result(1, 0), result(0, 1), result(1, 1)};
}

TTouchstoneData RenormalizedTo(TTouchstoneData data, double z0)
{
    if (data.ReferenceZ0 == z0)
        return data;
    for (TSParameters& point : data.Points)
        point = Renormalized(point, data.Ports, data.ReferenceZ0, z0);
    data.ReferenceZ0 = z0;
    return data;
}
