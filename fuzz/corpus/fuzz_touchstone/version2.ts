[Version] 2.0
# Hz S RI
[Number of Ports] 2
[Two-Port Data Order] 12_21
[Number of Frequencies] 2
[Reference] 50
50
[Network Data]
1e9 0.1 0 0.9 -0.1 0.9 -0.1 0.1 0
2e9 0.1 0.01 0.8 -0.2 0.8 -0.2 0.1 0.01
[End]
